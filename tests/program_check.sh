#!/usr/bin/env bash
# Checks of the real program on a virtual desktop: it opens its window,
# closes by Alt+F4 and by the close box with exit code 0, and a close request
# while the info box is open closes only the box.
# Usage: program_check.sh PROGRAM (run by ctest through scripts/with-desktop)
set -uo pipefail
program="$1"
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

# Starts the program and waits for its main window; sets $pid and $window.
start() {
  "$program" &
  pid=$!
  window=$(timeout 20 xdotool search --sync --onlyvisible --name "Звания Stelvane" | head -n 1)
  if [ -z "$window" ]; then
    fail "the main window did not appear"
    kill "$pid" 2>/dev/null
    exit 1
  fi
}

# Presses Alt+F4 on a window.
press_alt_f4() {
  xdotool windowactivate --sync "$1" key alt+F4
}

# Clicks the main window's close box, at the right end of its title bar.
click_close_box() {
  local x y
  x=$(xwininfo -id "$window" | sed -n 's/.*Absolute upper-left X: *//p')
  y=$(xwininfo -id "$window" | sed -n 's/.*Absolute upper-left Y: *//p')
  xdotool mousemove $((x + 790)) $((y - 10)) click 1
}

# Does "$@" and waits up to 3 s for `condition` to hold, up to three times:
# a desktop that has only just started may swallow the first key or click,
# and a user would simply press again.
until_true() {
  local condition="$1"; shift
  for _ in 1 2 3; do
    "$@"
    for _ in $(seq 30); do "$condition" && return 0; sleep 0.1; done
  done
  return 1
}
program_ended() { ! kill -0 "$pid" 2>/dev/null; }
info_closed() { [ -z "$(xdotool search --onlyvisible --name '^Info$' 2>/dev/null)" ]; }

# Ends the program by "$@"; checks that it ended with code 0.
expect_exit_zero() {
  local how="$1" code; shift
  until_true program_ended "$@" || { fail "$how did not end the program"; kill "$pid"; }
  wait "$pid"; code=$?
  [ "$code" -eq 0 ] || fail "$how: exit code $code"
}

start
geometry=$(xdotool getwindowgeometry "$window" | sed -n 's/.*Geometry: //p')
[ "$geometry" = "800x600" ] || fail "client area is $geometry, not 800x600"
# Centred by the outer rectangle on the 1280×1024 screen, whatever the frame
# the desktop puts round it (it tells the frame a moment after showing).
centred() {
  local left right top bottom x y
  read -r left right top bottom < <(xprop -id "$window" _NET_FRAME_EXTENTS | sed 's/.*= //; s/,//g')
  x=$(xwininfo -id "$window" | sed -n 's/.*Absolute upper-left X: *//p')
  y=$(xwininfo -id "$window" | sed -n 's/.*Absolute upper-left Y: *//p')
  [ -n "$bottom" ] && [ $((x - left)) -eq $(((1280 - 800 - left - right) / 2)) ] &&
    [ $((y - top)) -eq $(((1024 - 600 - top - bottom) / 2)) ]
}
until_true centred sleep 0 || fail "the main window is not centred on the screen"
expect_exit_zero "Alt+F4" press_alt_f4 "$window"

start
# The "?" button at (765, 5) of the client area opens the info box.
click_info_button() { xdotool mousemove --window "$window" 780 17 click 1; }
info_open() { ! info_closed; }
until_true info_open click_info_button || fail "the info box did not open"
until_true info_closed press_alt_f4 "$window" || fail "the info box stayed open"
sleep 0.5
kill -0 "$pid" 2>/dev/null || fail "a close request during the info box ended the program"
expect_exit_zero "the close box" click_close_box

if [ "$failures" -eq 0 ]; then echo "program checks: 4 passed, 0 failed"; else echo "program checks: failed $failures"; fi
[ "$failures" -eq 0 ]
