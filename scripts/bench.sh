#!/usr/bin/env bash
# Builds the Release benchmarks and runs the whole-program measurements:
# start-up, peak memory with every window open, and a reader scroll step,
# each against its floor in the same run.
#   scripts/bench.sh [runs]   (15 by default)
set -euo pipefail
cd "$(dirname "$0")/.."
cmake --preset bench >/dev/null
cmake --build --preset bench --target program_bench -j "$(nproc)"
export QT_QPA_PLATFORM="${QT_QPA_PLATFORM:-offscreen}"
build/bench/bench/program/program_bench --runs "${1:-15}" 2>/dev/null
