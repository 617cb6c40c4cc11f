#!/usr/bin/env bash
# Sets everything up, builds, and runs the whole test suite: the release
# build's tests (core, widgets offscreen, command line), then the core's
# tests and the fuzz corpora again under AddressSanitizer and
# UndefinedBehaviorSanitizer, then the GUI monkey (both locales) under the
# same sanitizers, our code instrumented and Qt as installed; then, where
# clang and its fuzzer runtime are installed, a short fuzzing run of every
# target (ZENTARO_FUZZ_SECONDS each, default 20; 0 skips it), whose failing
# inputs join fuzz/corpus.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/bootstrap.sh
jobs="$(nproc)"
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release
cmake --build build -j"$jobs"
(cd build && ctest --output-on-failure -j"$jobs")
cmake -S . -B build-sanitize -DCMAKE_BUILD_TYPE=Debug -DZENTARO_CORE_ONLY=ON -DZENTARO_BENCH=OFF \
  -DCMAKE_CXX_FLAGS="-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer"
cmake --build build-sanitize -j"$jobs"
(cd build-sanitize && ctest --output-on-failure -j"$jobs")
# The widgets under the sanitizers: only the monkey and what it links (the
# other widget tests would add minutes of instrumented building for wiring
# the monkey drives anyway). Unoptimised, as above: -O1 halves the monkey's
# run but adds more to the build than that saves.
cmake -S . -B build-sanitize-ui -DCMAKE_BUILD_TYPE=Debug -DZENTARO_BENCH=OFF \
  -DCMAKE_CXX_FLAGS="-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer"
cmake --build build-sanitize-ui -j"$jobs" --target tst_monkey
# A finding names the random action's whole call chain, not just its line.
(cd build-sanitize-ui && UBSAN_OPTIONS=print_stacktrace=1 ctest --output-on-failure -j"$jobs" -R '^tst_monkey_')
seconds="${ZENTARO_FUZZ_SECONDS:-20}"
if [ "$seconds" != 0 ]; then
  status=0
  FUZZ_GROW=0 tools/fuzz.sh "$seconds" || status=$?
  if [ "$status" -eq 77 ]; then
    echo "tools/test.sh: no fuzzing run (clang-14 and libclang-rt-14-dev are not installed)"
  elif [ "$status" -ne 0 ]; then
    exit "$status"
  fi
fi
