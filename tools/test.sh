#!/usr/bin/env bash
# Sets everything up, builds, and runs the whole test suite: the release
# build's tests (core, widgets offscreen, command line), then the core's
# tests again under AddressSanitizer and UndefinedBehaviorSanitizer.
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
