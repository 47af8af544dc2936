#!/usr/bin/env bash
# Sets up, builds and starts the program.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
cmake -S . -B build >/dev/null
cmake --build build -j"$(nproc)" --target nalvic
exec build/nalvic
