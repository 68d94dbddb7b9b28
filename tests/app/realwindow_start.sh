#!/usr/bin/env bash
# Starts the program on a private X server with a window manager, waits
# for the maximized "Setup" window, checks that the photograph is painted
# in the middle of the screen, and ends the program through its close box.
set -euo pipefail

program=$1
source "$(dirname "$0")/../../scripts/xvfb-session.sh"
xvfb_test_session 1280x1024

start=$(date +%s%N)
"$program" &
app_pid=$!

window=""
for _ in $(seq 1 400); do
    window=$(xdotool search --onlyvisible --name '^Setup$' 2>/dev/null | head -n1 || true)
    [ -n "$window" ] && break
    sleep 0.025
done
[ -n "$window" ] || { echo "FAIL: no window captioned Setup"; exit 1; }
shown=$(date +%s%N)
echo "main window shown after $(( (shown - start) / 1000000 )) ms"

# Maximized by the window manager: the window covers the screen's width.
maximized=0
for _ in $(seq 1 200); do
    width=$(xdotool getwindowgeometry "$window" | sed -n 's/.*Geometry: \([0-9]*\)x.*/\1/p')
    if [ "${width:-0}" -ge 1270 ]; then maximized=1; break; fi
    sleep 0.025
done
[ "$maximized" = 1 ] || { echo "FAIL: window not maximized (width $width)"; exit 1; }

# Above the middle of the screen lies the board, which is green, not the
# white background; the instructions window opens lower down.
painted=0
for _ in $(seq 1 200); do
    import -window root "$workdir/shot.png" 2>/dev/null || true
    pixel=$(convert "$workdir/shot.png" -format '%[fx:int(255*p{640,330}.r)] %[fx:int(255*p{640,330}.g)] %[fx:int(255*p{640,330}.b)]' info: 2>/dev/null || echo "255 255 255")
    read -r r g b <<<"$pixel"
    if [ "$g" -gt "$r" ] && [ "$g" -gt "$b" ]; then painted=1; break; fi
    sleep 0.05
done
[ "$painted" = 1 ] || { echo "FAIL: the board is not painted at the screen centre (pixel $pixel)"; exit 1; }
echo "board painted after $(( ($(date +%s%N) - start) / 1000000 )) ms"

wmctrl -i -c "$window"
status=0
wait "$app_pid" || status=$?
[ "$status" -eq 0 ] || { echo "FAIL: exit status $status after closing"; exit 1; }
echo "PASS"
