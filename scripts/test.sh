#!/usr/bin/env bash
# Sets up, builds and runs every test: a warnings-as-errors build, then the
# same suite under AddressSanitizer + UndefinedBehaviorSanitizer, then the
# engine and application tests under ThreadSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh

jobs=$(nproc)
export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=detect_leaks=1
export LSAN_OPTIONS=suppressions=$PWD/scripts/lsan.supp:print_suppressions=0
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export TSAN_OPTIONS=halt_on_error=1:second_deadlock_stack=1

build() {  # dir, cmake options...
  local dir=$1; shift
  cmake -S . -B "$dir" -DNALVIC_WERROR=ON "$@" >/dev/null
  cmake --build "$dir" -j"$jobs"
}

echo "== build and test =="
build build
ctest --test-dir build --output-on-failure -j"$jobs"

echo "== AddressSanitizer + UndefinedBehaviorSanitizer =="
build build-asan -DNALVIC_SANITIZE=address,undefined -DNALVIC_BENCH=OFF -DCMAKE_BUILD_TYPE=Debug
ctest --test-dir build-asan --output-on-failure -j"$jobs"

echo "== ThreadSanitizer (engine and application) =="
build build-tsan -DNALVIC_SANITIZE=thread -DNALVIC_GUI=OFF -DNALVIC_BENCH=OFF -DCMAKE_BUILD_TYPE=Debug
ctest --test-dir build-tsan --output-on-failure -j"$jobs"
