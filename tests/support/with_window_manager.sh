#!/usr/bin/env bash
# Runs a command on a fresh X display of its own (Xvfb) with openbox as the
# window manager, on Qt's X11 platform. Exits 77, which ctest counts as a
# skip, when no X server or window manager can be started here.
set -u

if ! command -v Xvfb >/dev/null || ! command -v openbox >/dev/null; then
  echo "SKIP: Xvfb or openbox is not installed (scripts/setup.sh installs them)"
  exit 77
fi

work=$(mktemp -d)
xvfb_pid=""
wm_pid=""
cleanup() {
  [ -n "$wm_pid" ] && kill "$wm_pid" 2>/dev/null
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
  wait 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT

# -displayfd lets the server pick a free display, so tests can run in parallel.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" \
  >"$work/xvfb.log" 2>&1 &
xvfb_pid=$!
for _ in $(seq 100); do
  [ -s "$work/display" ] && break
  kill -0 "$xvfb_pid" 2>/dev/null || break
  sleep 0.05
done
if [ ! -s "$work/display" ]; then
  echo "SKIP: Xvfb did not start"; cat "$work/xvfb.log"
  exit 77
fi
export DISPLAY=":$(head -n1 "$work/display")"

openbox --sm-disable >"$work/openbox.log" 2>&1 &
wm_pid=$!
# openbox owns the WM_S0 selection once it manages the screen.
for _ in $(seq 100); do
  if command -v xdotool >/dev/null; then
    xdotool getactivewindow >/dev/null 2>&1 && break
  fi
  grep -q . "$work/openbox.log" 2>/dev/null && break
  sleep 0.05
done
sleep 0.3
if ! kill -0 "$wm_pid" 2>/dev/null; then
  echo "SKIP: openbox did not start"; cat "$work/openbox.log"
  exit 77
fi

export QT_QPA_PLATFORM=xcb
"$@"
