#!/usr/bin/env bash
# Regenerates docs/koravel.png: the window Koravel at the end of the worked
# example (N = 2, from A through P1 to B), drawn by Qt's offscreen platform on
# a 1280 x 1024 screen at 96 dots per inch. The window test that drives the
# worked example through the real window saves the picture when
# KORAVEL_SCREENSHOT names a file.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${KORAVEL_BUILD_DIR:-build}

bash scripts/deps.sh test
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" --target qt_window_tests >/dev/null

mkdir -p docs
out="$PWD/docs/koravel.png"
env -u QT_QPA_PLATFORM KORAVEL_SCREENSHOT="$out" \
  "$build/tests/qt/qt_window_tests" --gtest_filter='WindowRun.WorkedExample*' >/dev/null 2>&1 || {
  echo "the worked example failed in the window: no screenshot" >&2
  exit 1
}
echo "$out"
