#!/usr/bin/env bash
# Builds the program and saves a picture of each page of the main window and
# of the help window into docs/, rendered by the real X11 platform under a
# virtual display (Xvfb).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh

build=${BUILD_DIR:-build}
cmake -S . -B "$build" >/dev/null
cmake --build "$build" -j"$(nproc)" --target ui_tests

display=:97
Xvfb "$display" -screen 0 1280x800x24 -nolisten tcp &
xvfb=$!
trap 'kill "$xvfb"' EXIT
for _ in $(seq 50); do
  [ -e "/tmp/.X11-unix/X${display#:}" ] && break
  sleep 0.1
done

DISPLAY=$display QT_QPA_PLATFORM=xcb NALVIC_SCREENSHOT_DIR="$PWD/docs" \
  "$build/tests/ui_tests" --gtest_also_run_disabled_tests --gtest_filter='Screenshots.*'
ls -l docs/*.png
