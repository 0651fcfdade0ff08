#!/usr/bin/env bash
# Walks through every window on a virtual display and saves the pictures of
# the tour into docs/tour/.
set -euo pipefail
cd "$(dirname "$0")/.."
# TESSALY_BUILD_DIR picks an existing build instead of the default preset's.
build="${TESSALY_BUILD_DIR:-build/default}"
if [[ -z "${TESSALY_BUILD_DIR:-}" ]]; then
  cmake --preset default -DTESSALY_BUILD_TESTS=ON >/dev/null
fi
cmake --build "$build" --target tessaly_tour -j "$(nproc)"
mkdir -p docs/tour
xvfb-run -a -s "-screen 0 1280x1024x24" \
  "$build/tests/soak/tessaly_tour" docs/tour
