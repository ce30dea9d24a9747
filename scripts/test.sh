#!/usr/bin/env bash
# Installs what is missing, builds Koravel and runs every test: the whole
# suite, then the tests without the window once more under AddressSanitizer and
# UndefinedBehaviorSanitizer, then each fuzzer for a bounded time.
set -euo pipefail
cd "$(dirname "$0")/.."
jobs=$(nproc)

bash scripts/deps.sh test

echo "== build and test"
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=ON -DKORAVEL_WITH_QT=ON -DKORAVEL_BENCH=ON >/dev/null
cmake --build build -j "$jobs"
ctest --test-dir build --output-on-failure -j "$jobs"

echo "== sanitizers (AddressSanitizer, UndefinedBehaviorSanitizer)"
cmake -S . -B build-sanitize -G Ninja -DCMAKE_BUILD_TYPE=Debug -DKORAVEL_SANITIZE=ON \
  -DKORAVEL_WITH_QT=OFF -DKORAVEL_BENCH=OFF >/dev/null
cmake --build build-sanitize -j "$jobs"
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
  ctest --test-dir build-sanitize --output-on-failure -j "$jobs"

if ls fuzz/*.cpp >/dev/null 2>&1; then
  echo "== fuzzing"
  CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKORAVEL_FUZZ=ON \
    -DKORAVEL_WITH_QT=OFF -DKORAVEL_BENCH=OFF -DBUILD_TESTING=OFF >/dev/null
  cmake --build build-fuzz -j "$jobs"
  for f in fuzz/*.cpp; do
    name=$(basename "$f" .cpp)
    corpus=$(mktemp -d)
    [ -d "fuzz/corpus/$name" ] && cp -r "fuzz/corpus/$name/." "$corpus/"
    echo "-- $name (30 s)"
    "build-fuzz/fuzz/$name" -max_total_time=30 -print_final_stats=0 "$corpus" 2>&1 | tail -n 3
    rm -rf "$corpus"
  done
fi
echo "All tests passed."
