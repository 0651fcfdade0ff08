#!/usr/bin/env bash
# Installs what is missing, builds the program and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
cmake --preset default -DTESSALY_BUILD_TESTS=OFF >/dev/null
cmake --build --preset default --target tessaly -j "$(nproc)"
exec build/default/app/tessaly "$@"
