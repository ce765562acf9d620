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

# Waits for the program to end; checks its exit code.
expect_exit_zero() {
  local how="$1" code
  for _ in $(seq 100); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
  if kill -0 "$pid" 2>/dev/null; then fail "$how did not end the program"; kill "$pid"; fi
  wait "$pid"; code=$?
  [ "$code" -eq 0 ] || fail "$how: exit code $code"
}

start
geometry=$(xdotool getwindowgeometry "$window" | sed -n 's/.*Geometry: //p')
[ "$geometry" = "800x600" ] || fail "client area is $geometry, not 800x600"
# Centred by the outer rectangle on the 1280×1024 screen, whatever the frame.
sleep 0.3
read -r left right top bottom < <(xprop -id "$window" _NET_FRAME_EXTENTS | sed 's/.*= //; s/,//g')
x=$(xwininfo -id "$window" | sed -n 's/.*Absolute upper-left X: *//p')
y=$(xwininfo -id "$window" | sed -n 's/.*Absolute upper-left Y: *//p')
[ $((x - left)) -eq $(((1280 - 800 - left - right) / 2)) ] || fail "not centred across: frame at $((x - left))"
[ $((y - top)) -eq $(((1024 - 600 - top - bottom) / 2)) ] || fail "not centred down: frame at $((y - top))"
xdotool windowactivate --sync "$window" key alt+F4
expect_exit_zero "Alt+F4"

start
# The "?" button at (765, 5) of the client area opens the info box.
xdotool mousemove --window "$window" 780 17 click 1
info=$(timeout 10 xdotool search --sync --onlyvisible --name "^Info$" | head -n 1)
[ -n "$info" ] || fail "the info box did not open"
xdotool windowactivate --sync "$window" key alt+F4
sleep 0.5
kill -0 "$pid" 2>/dev/null || fail "a close request during the info box ended the program"
[ -z "$(xdotool search --onlyvisible --name '^Info$' 2>/dev/null)" ] || fail "the info box stayed open"
# The close box of the main window, at the right end of its title bar.
x=$(xwininfo -id "$window" | sed -n 's/.*Absolute upper-left X: *//p')
y=$(xwininfo -id "$window" | sed -n 's/.*Absolute upper-left Y: *//p')
xdotool mousemove $((x + 790)) $((y - 10)) click 1
expect_exit_zero "the close box"

if [ "$failures" -eq 0 ]; then echo "program checks: 4 passed, 0 failed"; else echo "program checks: failed $failures"; fi
[ "$failures" -eq 0 ]
