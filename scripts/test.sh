#!/usr/bin/env bash
# Builds the game and runs every test. Extra arguments go to cmake's configure step
# (scripts/test.sh -DOMAHA_SANITIZE=ON builds and tests with the sanitizers in build/sanitize).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh test
build_dir=build/test
for arg in "$@"; do
  [ "$arg" = "-DOMAHA_SANITIZE=ON" ] && build_dir=build/sanitize
done
cmake -S . -B "$build_dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DOMAHA_WERROR=ON "$@" >/dev/null
cmake --build "$build_dir" -j"$(nproc)"
ctest --test-dir "$build_dir" --output-on-failure -j"$(nproc)"
