#!/usr/bin/env bash
# Installs what building and testing Zentaro needs on Debian 12, if missing.
set -euo pipefail
packages=(cmake g++ make qt6-base-dev qt6-svg-dev qt6-translations-l10n libgtest-dev libgmock-dev libbenchmark-dev
          libchm-dev fp-utils fonts-dejavu-core xvfb xauth libxcb1-dev
          desktop-file-utils appstream dpkg-dev file python3-iapws)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
