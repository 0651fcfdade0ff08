#!/usr/bin/env bash
# Opens and closes every window 1,000 times (or as often as given) in the
# sanitizer build, with LeakSanitizer checking for leaks at exit.
#   scripts/soak.sh [cycles]
set -euo pipefail
cd "$(dirname "$0")/.."
cycles="${1:-1000}"
cmake --preset asan -DTESSALY_BUILD_TESTS=ON >/dev/null
cmake --build --preset asan --target tessaly_soak -j "$(nproc)"
export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export LSAN_OPTIONS="suppressions=$PWD/tests/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
exec build/asan/tests/soak/tessaly_soak --cycles "$cycles"
