#!/bin/sh
# Starts the window 20 times on a virtual X display under the openbox window
# manager while two busy loops load the CPU, and checks every time that the
# window's outer size, frame and caption included, is 458 x 358 and that it
# stands centred on the 1024 x 768 screen. The first start passes options
# that Qt would act on, which the program must ignore; the last start closes
# the window as a user would.
#
# Usage: scripts/check-window-x11.sh PATH/TO/ziradadozo-rezudor-design
set -eu

program=$1
starts=${WINDOW_STARTS:-20}
screen_width=1024
screen_height=768

work=$(mktemp -d)
pids=""
cleanup() {
  for pid in $pids; do kill "$pid" 2>/dev/null || true; done
  rm -rf "$work"
}
trap cleanup EXIT INT TERM

# A copy of the program in a folder of its own keeps its settings file out
# of the build, and a home of its own shows what the program writes there.
cp "$program" "$work/ziradadozo-rezudor-design"
mkdir "$work/home"
export HOME="$work/home"
unset XDG_CONFIG_HOME

display_number=90
while [ -e "/tmp/.X$display_number-lock" ]; do display_number=$((display_number + 1)); done
export DISPLAY=":$display_number"
# The window must use the display, not the offscreen platform the tests use.
unset QT_QPA_PLATFORM
Xvfb "$DISPLAY" -screen 0 "${screen_width}x${screen_height}x24" -nolisten tcp >/dev/null 2>&1 &
pids="$pids $!"
i=0
until xprop -root >/dev/null 2>&1; do
  i=$((i + 1)); [ "$i" -lt 100 ] || { echo "Xvfb did not start"; exit 1; }; sleep 0.1
done
openbox --sm-disable >/dev/null 2>&1 &
pids="$pids $!"
i=0
until xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; do
  i=$((i + 1)); [ "$i" -lt 100 ] || { echo "openbox did not start"; exit 1; }; sleep 0.1
done

for loop in 1 2; do
  sh -c 'while :; do :; done' &
  pids="$pids $!"
done

# The outer rectangle "x y width height" of the client window $1: its own
# rectangle grown by the frame the window manager reports.
outer_geometry() {
  info=$(xwininfo -id "$1")
  x=$(echo "$info" | sed -n 's/.*Absolute upper-left X: *//p')
  y=$(echo "$info" | sed -n 's/.*Absolute upper-left Y: *//p')
  w=$(echo "$info" | sed -n 's/.*Width: *//p')
  h=$(echo "$info" | sed -n 's/.*Height: *//p')
  # _NET_FRAME_EXTENTS(CARDINAL) = left, right, top, bottom
  extents=$(xprop -id "$1" _NET_FRAME_EXTENTS | sed -n 's/.*= *//p' | tr -d ' ')
  left=$(echo "$extents" | cut -d, -f1); right=$(echo "$extents" | cut -d, -f2)
  top=$(echo "$extents" | cut -d, -f3); bottom=$(echo "$extents" | cut -d, -f4)
  echo "$((x - ${left:-0})) $((y - ${top:-0})) $((w + ${left:-0} + ${right:-0})) $((h + ${top:-0} + ${bottom:-0}))"
}

expected_x=$(((screen_width - 458) / 2))
expected_y=$(((screen_height - 358) / 2))
within_one() { [ "$1" -ge $(($2 - 1)) ] && [ "$1" -le $(($2 + 1)) ]; }
fitted() {
  set -- $1
  [ "$3" = 458 ] && [ "$4" = 358 ] && within_one "$1" "$expected_x" && within_one "$2" "$expected_y"
}

# Closes the window as a user would and checks what closing leaves: the
# settings file beside the program, and no file of Qt's own in the home
# folder, since "Browse" was never pressed.
close_properly() {
  xdotool windowactivate --sync "$1" key --clearmodifiers alt+F4
  i=0
  while kill -0 "$2" 2>/dev/null; do
    i=$((i + 1)); [ "$i" -lt 100 ] || { echo "the window did not close"; return 1; }; sleep 0.1
  done
  [ -f "$work/Sundial.ini" ] || { echo "closing wrote no settings file"; return 1; }
  if [ -e "$HOME/.config/QtProject.conf" ]; then
    echo "closing left $HOME/.config/QtProject.conf"; return 1
  fi
  echo "closed: settings saved beside the program, nothing else written"
}

failures=0
start=1
while [ "$start" -le "$starts" ]; do
  if [ "$start" = 1 ]; then
    "$work/ziradadozo-rezudor-design" -reverse --style=windows -platform nosuch >/dev/null 2>&1 &
  else
    "$work/ziradadozo-rezudor-design" >/dev/null 2>&1 &
  fi
  app=$!
  window=$(timeout 30 xdotool search --sync --onlyvisible --pid "$app" --name '^Ziradadozo Rezudor Design$' | head -n 1) || true
  if [ -z "$window" ]; then
    echo "start $start: no window showed"
    failures=$((failures + 1))
    kill "$app" 2>/dev/null || true
    start=$((start + 1))
    continue
  fi
  # The window manager frames the window and the program fits it in the
  # next moments: wait for the fit, then see that it holds.
  geometry=""
  i=0
  while [ "$i" -lt 50 ]; do
    geometry=$(outer_geometry "$window")
    fitted "$geometry" && break
    i=$((i + 1)); sleep 0.1
  done
  sleep 0.5
  geometry=$(outer_geometry "$window")
  if fitted "$geometry"; then
    echo "start $start: outer $geometry"
  else
    echo "start $start: outer $geometry, expected $expected_x $expected_y 458 358 (+-1 for the position)"
    failures=$((failures + 1))
  fi
  if [ "$start" = "$starts" ]; then
    close_properly "$window" "$app" || failures=$((failures + 1))
  else
    kill "$app"
    wait "$app" 2>/dev/null || true
  fi
  start=$((start + 1))
done

if [ "$failures" -gt 0 ]; then
  echo "$failures of $starts starts were not 458 x 358 and centred"
  exit 1
fi
echo "All $starts starts were 458 x 358 and centred"
