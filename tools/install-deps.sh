#!/usr/bin/env bash
# Installs the Debian 12 packages the build, the game and the tests need.
# Only missing packages are fetched, so a second run does nothing.
set -euo pipefail

packages=(
  build-essential cmake ninja-build clang libclang-rt-14-dev
  qt6-base-dev qt6-multimedia-dev libqt6svg6-dev libqt6sql6-sqlite libpcg-cpp-dev libfontconfig-dev
  qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
  gstreamer1.0-plugins-base gstreamer1.0-plugins-good
  fonts-liberation2 xvfb xauth x11-utils imagemagick
  lame sox xdotool
  desktop-file-utils appstream file
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
echo "Installing: ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
