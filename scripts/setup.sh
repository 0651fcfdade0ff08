#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing need.
# Does nothing when everything is present already.
set -euo pipefail

packages=(
  cmake g++ make pkg-config
  qt6-base-dev qt6-base-dev-tools libgl-dev
  libgtest-dev libgmock-dev libbenchmark-dev libuemf-dev
  fonts-noto-cjk fonts-liberation2 fonts-dejavu-core qt6-translations-l10n
  poppler-utils
  xvfb xauth openbox xdotool x11-utils
  desktop-file-utils appstream
  dpkg-dev file lintian
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
echo "Installing: ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
