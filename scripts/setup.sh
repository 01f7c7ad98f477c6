#!/usr/bin/env bash
# Installs what is missing on Debian 12.
#   scripts/setup.sh game   what building and running the game needs
#   scripts/setup.sh test   that, and what building and running the tests needs
set -euo pipefail

game_packages=(build-essential cmake pkg-config libsdl2-dev libsdl2-ttf-dev libx11-dev
  fonts-liberation libcairo2-dev libfreetype-dev libpng-dev)
test_packages=(libgtest-dev libgmock-dev libbenchmark-dev xvfb imagemagick xdotool)

case "${1:-}" in
  game) packages=("${game_packages[@]}") ;;
  test) packages=("${game_packages[@]}" "${test_packages[@]}") ;;
  *)
    echo "usage: $0 game|test" >&2
    exit 2
    ;;
esac

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

if [ "$(id -u)" -eq 0 ]; then
  # The package manager's own output is kept in a log, shown only when the install fails.
  log=$(mktemp)
  trap 'rm -f "$log"' EXIT
  echo "Installing ${missing[*]}"
  if ! { apt-get update -qq && DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${missing[@]}"; } \
    >"$log" 2>&1; then
    cat "$log" >&2
    echo "Installing ${missing[*]} failed." >&2
    exit 1
  fi
else
  echo "Missing packages. Install them with:" >&2
  echo "  sudo apt-get install -y ${missing[*]}" >&2
  exit 1
fi
