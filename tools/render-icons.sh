#!/usr/bin/env bash
# Renders the application icon's PNG sizes from its SVG source. Run it after
# editing res/images/zentaro.svg and commit the PNGs it writes; the build
# uses the committed files, so building needs no SVG renderer.
set -euo pipefail
cd "$(dirname "$0")/.."
if ! command -v rsvg-convert >/dev/null; then
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends librsvg2-bin
fi
for size in 48 128 256; do
  rsvg-convert --width "$size" --height "$size" res/images/zentaro.svg --output "res/images/zentaro-$size.png"
  echo "res/images/zentaro-$size.png"
done
