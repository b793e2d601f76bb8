#!/usr/bin/env bash
# Installs what the build and the tests need (Debian 12), only what is missing.
set -euo pipefail
PACKAGES=(
  build-essential cmake pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-qpa-plugins qt6-charts-dev qt6-svg-dev libqt6opengl6-dev libgl1-mesa-dev
  libgtest-dev libgmock-dev libbenchmark-dev clang jq
  fonts-dejavu-core fonts-liberation fonts-noto-mono
  poppler-utils xvfb xauth
  shared-mime-info desktop-file-utils xdg-utils
)
missing=()
for p in "${PACKAGES[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  SUDO=""
  [ "$(id -u)" -eq 0 ] || SUDO="sudo"
  echo "Installing: ${missing[*]}"
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
