#!/usr/bin/env bash
# Measures the encoder library: encoding and decoding throughput on a large
# generated script, ASCII and with Japanese text, beside a plain memory copy of
# the same text. Built optimised (-O2, no sanitizers) in a tree of its own.
#   bash scripts/bench-encoder.sh [megabytes]
set -euo pipefail
source "$(dirname "$0")/env.sh"
cd "$repo_root"

generator=()
command -v ninja >/dev/null && generator=(-G Ninja)
dir=build/bench-native
[ -f "$dir/CMakeCache.txt" ] ||
  cmake -S . -B "$dir" "${generator[@]}" -DCMAKE_BUILD_TYPE=Release \
        -DCMAKE_CXX_FLAGS_RELEASE="-O2 -DNDEBUG" -DENCODER_SANITIZERS=OFF
cmake --build "$dir" -j2 --target encoder_bench
"$dir/encoder_bench" "$@"
