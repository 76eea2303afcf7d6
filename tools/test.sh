#!/usr/bin/env bash
# Sets up, builds and runs every test: all of them under AddressSanitizer and
# UndefinedBehaviorSanitizer, the concurrency tests also under ThreadSanitizer,
# and each fuzz target briefly.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/install-packages.sh
jobs=$(nproc)

export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export TSAN_OPTIONS="halt_on_error=1:second_deadlock_stack=1:suppressions=$PWD/tests/tsan.supp"

cmake -S . -B build-tsan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DZOLVO_TSAN=ON >/dev/null
cmake --build build-tsan -j "$jobs"
(cd build-tsan && ctest -L concurrency --output-on-failure -j "$jobs")

bash tools/fuzz.sh 20

cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DZOLVO_SANITIZE=ON >/dev/null
cmake --build build-asan -j "$jobs"
cd build-asan
ctest --output-on-failure -j "$jobs"
