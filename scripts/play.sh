#!/usr/bin/env bash
# Builds the game and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh game
cmake -S . -B build/release -DCMAKE_BUILD_TYPE=Release -DOMAHA_TESTS=OFF >/dev/null
cmake --build build/release -j"$(nproc)" --target omaha
exec build/release/app/omaha
