#!/usr/bin/env bash
# Starts the program. With a display it simply runs there; on a headless
# machine it runs under Xvfb, saves a screenshot of the maximized main
# window and ends the program through its close box.
set -euo pipefail

program=$1
screenshot=$2

if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
    exec "$program"
fi

source "$(dirname "$0")/xvfb-session.sh"
xvfb_session_start 1280x1024

"$program" &
app_pid=$!

window=""
for _ in $(seq 1 200); do
    window=$(xdotool search --onlyvisible --name '^Setup$' 2>/dev/null | head -n1 || true)
    [ -n "$window" ] && break
    sleep 0.05
done
if [ -z "$window" ]; then
    echo "The main window did not appear." >&2
    kill "$app_pid" 2>/dev/null || true
    xvfb_session_stop
    exit 1
fi

# Give the window manager time to maximize it and the program time to
# paint and open its instructions window.
sleep 1.5
import -window root "$screenshot"
echo "$screenshot"

wmctrl -i -c "$window" 2>/dev/null || kill "$app_pid"
wait "$app_pid"
xvfb_session_stop
