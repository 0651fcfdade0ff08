#!/usr/bin/env bash
# Walks through every window on a virtual display and saves the pictures of
# the tour into docs/tour/.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake --preset default -DTESSALY_BUILD_TESTS=ON >/dev/null
cmake --build --preset default --target tessaly_tour -j "$(nproc)"
mkdir -p docs/tour
xvfb-run -a -s "-screen 0 1280x1024x24" \
  build/default/tests/soak/tessaly_tour docs/tour
