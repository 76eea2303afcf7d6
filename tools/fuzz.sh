#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each briefly.
# Usage: tools/fuzz.sh [seconds per target, default 20]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-20}
bash tools/install-packages.sh
cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
    -DZOLVO_FUZZ=ON -DZOLVO_BUILD_TESTS=OFF -DZOLVO_BUILD_BENCH=OFF >/dev/null
cmake --build build-fuzz -j "$(nproc)" --target picture_list_fuzz picture_decoder_fuzz soap_request_fuzz
export ASAN_OPTIONS=detect_leaks=1
for target in picture_list_fuzz picture_decoder_fuzz soap_request_fuzz; do
    corpus="build-fuzz/corpus/$target"
    mkdir -p "$corpus"
    echo "fuzz: $target for ${seconds}s"
    "build-fuzz/bin/$target" -max_total_time="$seconds" -print_final_stats=0 "$corpus" 2>&1 | tail -n 2
done
