#!/usr/bin/env bash
# Sets up, builds and starts the program with a stand-in Zolvo attached.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/install-packages.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZOLVO_BUILD_TESTS=OFF -DZOLVO_BUILD_BENCH=OFF >/dev/null
cmake --build build

# The stand-in Zolvo, on a socket the program finds through ZOLVO_VIRTUAL_DEVICE.
socket_dir=$(mktemp -d)
export ZOLVO_VIRTUAL_DEVICE="$socket_dir/zolvo.sock"
build/bin/zolvo-virtual-device serve --socket "$ZOLVO_VIRTUAL_DEVICE" &
device_pid=$!
trap 'kill $device_pid 2>/dev/null; rm -rf "$socket_dir"' EXIT
for _ in $(seq 50); do [ -S "$ZOLVO_VIRTUAL_DEVICE" ] && break; sleep 0.1; done

# The desktop program. Without a display it runs on Qt's offscreen platform:
# no window to see, but the stand-in Zolvo and the web service on port 8080
# work (try http://localhost:8080/); end it with Ctrl+C.
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    export QT_QPA_PLATFORM=offscreen
    echo "start: no display found; running offscreen (the web service is at http://localhost:8080/)"
fi
build/bin/zolvo
