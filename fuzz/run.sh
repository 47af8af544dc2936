#!/usr/bin/env bash
# Builds the engine fuzzer with Clang, AddressSanitizer and
# UndefinedBehaviorSanitizer, and runs it for the given number of seconds
# (default 60). Findings are written to build-fuzz/findings/.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
CXX=clang++ cmake -S . -B build-fuzz -DNALVIC_FUZZ=ON -DNALVIC_GUI=OFF -DNALVIC_BENCH=OFF \
  -DNALVIC_SANITIZE=address,undefined -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build-fuzz --target text_fuzz -j"$(nproc)"
mkdir -p build-fuzz/corpus build-fuzz/findings
build-fuzz/fuzz/text_fuzz -max_total_time="$seconds" -max_len=4096 \
  -artifact_prefix=build-fuzz/findings/ build-fuzz/corpus
