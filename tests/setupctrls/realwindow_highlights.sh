#!/usr/bin/env bash
# Moves the real pointer over the highlight window on a private X server
# with a window manager and checks on screenshots that the rings show the
# picture of each state, that the popup opens, stays while the pointer is
# in it, closes when it leaves, stays pinned after a click and closes from
# its close box. Set SHOT_DIR to keep the idle, active and hot screenshots.
set -euo pipefail

program=$1
source "$(dirname "$0")/../../scripts/xvfb-session.sh"
xvfb_test_session 1280x1024

fail() { echo "FAIL: $*"; exit 1; }

# Polls a command for up to 10 seconds.
poll() {
    for _ in $(seq 1 200); do
        "$@" && return 0
        sleep 0.05
    done
    return 1
}

"$program" >"$workdir/out.txt" 2>"$workdir/err.txt" &
app_pid=$!
poll grep -q '^ready$' "$workdir/out.txt" || fail "the window did not get ready"

declare -A left top width height ringx ringy idle hot active
while read -r _ name x y w h _ rx ry _ i _ ho _ a; do
    left[$name]=$x; top[$name]=$y; width[$name]=$w; height[$name]=$h
    ringx[$name]=$((x + rx)); ringy[$name]=$((y + ry))
    idle[$name]=$i; hot[$name]=$ho; active[$name]=$a
done < <(grep '^highlight ' "$workdir/out.txt")
read -r _ blankx blanky < <(grep '^blank ' "$workdir/out.txt")
away="1270 1014"

centre_of() { echo "$((left[$1] + width[$1] / 2)) $((top[$1] + height[$1] / 2))"; }

ring_is() { # name state
    local want
    case $2 in idle) want=${idle[$1]} ;; hot) want=${hot[$1]} ;; active) want=${active[$1]} ;; esac
    import -window root "$workdir/shot.png" 2>/dev/null || return 1
    local got
    got=$(convert "$workdir/shot.png" -format "%[hex:p{${ringx[$1]},${ringy[$1]}}]" info: 2>/dev/null)
    [ "${got,,}" = "${want,,}" ]
}

expect_ring() { # name state
    poll ring_is "$1" "$2" || fail "the $1 ring does not show its $2 picture"
    if [ -n "${SHOT_DIR:-}" ]; then cp "$workdir/shot.png" "$SHOT_DIR/$1-$2.png"; fi
}

popup_shown() { xdotool search --onlyvisible --name "^$1\$" >/dev/null 2>&1; }
popup_hidden() { ! popup_shown "$1"; }

# Keeps being true for half a second.
stays() {
    for _ in $(seq 1 10); do
        "$@" || return 1
        sleep 0.05
    done
}

pull="Pull-Up Configuration"

expect_ring Pull idle
expect_ring Digital idle
expect_ring Trim idle

# Hovering: the popup opens and is the active window.
xdotool mousemove $(centre_of Pull)
poll popup_shown "$pull" || fail "no popup when the pointer is on the circle"
expect_ring Pull active

# Into the popup: it stays; out of it: it closes and the circle goes idle.
window=$(xdotool search --onlyvisible --name "^$pull\$" | head -n1)
eval "$(xdotool getwindowgeometry --shell "$window")"
xdotool mousemove $((X + WIDTH / 2)) $((Y + HEIGHT / 2))
stays popup_shown "$pull" || fail "the popup closed when the pointer moved into it"
xdotool mousemove $away
poll popup_hidden "$pull" || fail "the popup stayed when the pointer left it"
expect_ring Pull idle

# A click pins it: it stays wherever the pointer goes; with the main window
# active the circle shows its hot picture; the close box closes it.
xdotool mousemove $(centre_of Pull)
poll popup_shown "$pull" || fail "no popup the second time"
xdotool click 1
xdotool mousemove $away
stays popup_shown "$pull" || fail "the pinned popup closed"
xdotool mousemove "$blankx" "$blanky" click 1
expect_ring Pull hot
wmctrl -c "$pull"
poll popup_hidden "$pull" || fail "the close box did not close the popup"
expect_ring Pull idle

# Linked circles light up together and share one popup.
xdotool mousemove $(centre_of Digital)
poll popup_shown "Digital/Counter Connector" || fail "no popup for the linked circles"
expect_ring Digital active
expect_ring Twin active
[ "$(xdotool search --name '^Digital/Counter Connector$' | wc -l)" = 1 ] || fail "more than one popup"
xdotool mousemove $away
poll popup_hidden "Digital/Counter Connector" || fail "the linked popup stayed"
expect_ring Digital idle
expect_ring Twin idle

grep -E '^(first popup|pictures)' "$workdir/out.txt"
wmctrl -c "Highlight fixture"
status=0
poll bash -c "! kill -0 $app_pid 2>/dev/null" || fail "the window did not close"
wait "$app_pid" || status=$?
[ "$status" -eq 0 ] || fail "exit status $status"
echo "PASS"
