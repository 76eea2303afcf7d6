#!/usr/bin/env bash
# Sets up, builds and starts the program.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/install-packages.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZOLVO_BUILD_TESTS=OFF >/dev/null
cmake --build build
# Until the desktop window exists, show the configuration of the program folder.
exec build/bin/zolvoctl show
