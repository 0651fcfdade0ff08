#!/usr/bin/env bash
# Runs the program under random input for a while in the sanitizer build, on
# a display of its own with a window manager. A failure prints the seed and
# the last 200 actions; give the seed again to replay the same input.
#   scripts/monkey.sh [minutes] [seed]     (10 minutes, a random seed)
set -euo pipefail
cd "$(dirname "$0")/.."
minutes="${1:-10}"
seed="${2:-$(( (RANDOM << 15 | RANDOM) % 1000000 ))}"
cmake --preset asan -DTESSALY_BUILD_TESTS=ON >/dev/null
cmake --build --preset asan --target tessaly_monkey -j "$(nproc)"
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export LSAN_OPTIONS="suppressions=$PWD/tests/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
exec tests/support/with_window_manager.sh build/asan/tests/monkey/tessaly_monkey \
  --seconds "$((minutes * 60))" --seed "$seed"
