#!/usr/bin/env bash
# Builds the Debian package of Zentaro (a release build in build/) and
# prints its path. Install it with: sudo apt install ./build/zentaro_*.deb
set -euo pipefail
cd "$(dirname "$0")/.."
tools/bootstrap.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release
cmake --build build -j"$(nproc)"
log="$(cd build && cpack -G DEB)"
echo "$log"
deb="$(echo "$log" | sed -n 's/^CPack: - package: \(.*\) generated\.$/\1/p')"
[ -f "$deb" ] || { echo "no package was made" >&2; exit 1; }
echo "$deb"
