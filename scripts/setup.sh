#!/usr/bin/env bash
# Installs what building, playing and testing the game need on Debian 12, when it is missing.
set -euo pipefail

packages=(build-essential cmake libsdl2-dev libsdl2-ttf-dev fonts-liberation
          libgtest-dev libgmock-dev libbenchmark-dev xvfb imagemagick xdotool)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

if [ "$(id -u)" -eq 0 ]; then
  apt-get update -qq
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${missing[@]}"
else
  echo "Missing packages. Install them with:" >&2
  echo "  sudo apt-get install -y ${missing[*]}" >&2
  exit 1
fi
