#!/usr/bin/env bash
# Installs what is missing, builds and runs every test: first the normal
# build, then the build with the address and undefined-behaviour sanitizers.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
export QT_QPA_PLATFORM=offscreen
for preset in default asan; do
  echo "== $preset build"
  cmake --preset "$preset" -DTESSALY_BUILD_TESTS=ON >/dev/null
  cmake --build --preset "$preset" -j "$(nproc)"
  ctest --preset "$preset" -j "$(nproc)"
done
