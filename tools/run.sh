#!/usr/bin/env bash
# Sets everything up, builds a release build and starts Zentaro.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/bootstrap.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release
cmake --build build -j"$(nproc)"
exec ./build/zentaro
