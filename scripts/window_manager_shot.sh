#!/usr/bin/env bash
# Pictures FRM_CS1 as a window manager shows it: openbox frames the window and
# its client area sits at the design point (242, 182) of the screen. Needs a
# default build with the tests and imagemagick's `import`.
#   scripts/window_manager_shot.sh [output.png]
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
out=$(realpath -m "${1:-$here/docs/cs1_window_manager.png}")
show="$here/build/default/tests/wm/wm_show_window"
[ -x "$show" ] || { echo "build first: cmake --build --preset default --target wm_show_window"; exit 1; }
command -v import >/dev/null || { echo "needs imagemagick's import"; exit 1; }
"$here/tests/support/with_window_manager.sh" bash -c '
  "$1" FRM_CS1 & app=$!
  sleep 5
  # The top-left of the screen, so the frame and the design point show.
  import -window root -crop 640x440+0+0 +repage "$2"
  kill $app' _ "$show" "$out"
echo "wrote $out"
