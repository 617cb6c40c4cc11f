#!/usr/bin/env bash
# Renders every page and dialog of Zentaro, in a few representative states,
# into docs/screenshots/*.png: offscreen (no display needed), with a fixed
# font and window size and the Polish decimal comma, so that the pictures
# change only when the program does. Commit them with the change.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/bootstrap.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build -j"$(nproc)" --target zentaro_screenshots zentaro_help
runtime="$PWD/build/xdg-runtime"
mkdir -p "$runtime" && chmod 700 "$runtime"
mkdir -p docs/screenshots
rm -f docs/screenshots/*.png
QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR="$runtime" LC_ALL=pl_PL.UTF-8 ZENTARO_HELP_DIR="$PWD/build" \
  build/tools/screenshots/zentaro_screenshots docs/screenshots
