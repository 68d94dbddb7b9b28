#!/usr/bin/env bash
# A user's first tour of the program on a private X server with a window
# manager, with the real pointer and keyboard: the instructions open by
# themselves; Start opens "Pull-Up Configuration" pinned; Next goes on to
# "External Power"; pointing at the DC jack opens "DC Input" and moving
# away closes it; Help, Technical Support from the keyboard; File, Exit
# ends the program with status 0 and leaves no window behind.
set -euo pipefail

program=$1
source "$(dirname "$0")/../../scripts/xvfb-session.sh"
xvfb_test_session 1280x1024

fail() {
    echo "FAIL: $*"
    echo "visible windows:"
    xdotool search --onlyvisible --name . 2>/dev/null | while read -r id; do
        echo "  $id $(xdotool getwindowname "$id" 2>/dev/null)"
    done
    exit 1
}

# Polls a command for up to 10 seconds.
poll() {
    for _ in $(seq 1 200); do
        "$@" && return 0
        sleep 0.05
    done
    return 1
}

# Keeps being true for half a second.
stays() {
    for _ in $(seq 1 10); do
        "$@" || return 1
        sleep 0.05
    done
}

window_of() { xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n1; }
shown() { [ -n "$(window_of "$1")" ]; }
hidden() { ! shown "$1"; }
active_is() { [ "$(xdotool getactivewindow 2>/dev/null)" = "$1" ]; }

# The client area of a window on the screen: sets X, Y, W and H.
client_geometry() {
    local info
    info=$(xwininfo -id "$1")
    X=$(sed -n 's/.*Absolute upper-left X: *\(-*[0-9]*\).*/\1/p' <<<"$info")
    Y=$(sed -n 's/.*Absolute upper-left Y: *\(-*[0-9]*\).*/\1/p' <<<"$info")
    W=$(sed -n 's/.*Width: *\([0-9]*\).*/\1/p' <<<"$info")
    H=$(sed -n 's/.*Height: *\([0-9]*\).*/\1/p' <<<"$info")
}

# Somewhere on the main window's white client area, off the board and away
# from every popup: the bottom left corner of the screen.
away="4 1018"

"$program" >"$workdir/out.txt" 2>&1 &
app_pid=$!
xdotool mousemove $away

poll shown Setup || fail "no window captioned Setup"
main=$(window_of Setup)
maximized() { client_geometry "$main"; [ "$W" -ge 1270 ]; }
poll maximized || fail "the main window is not maximized"

# The board image is centred on the window's outer size and placed in its
# client area, which begins below the menu bar: the first white pixel
# after the menu bar's grey down the right edge of the window.
client_geometry "$main"
read -r frame_left frame_right frame_top frame_bottom < <(
    xprop -id "$main" _NET_FRAME_EXTENTS | sed 's/.*= *//; s/,/ /g')
outer_width=$((W + frame_left + frame_right))
outer_height=$((H + frame_top + frame_bottom))
client_area_found() {
    import -window root "$workdir/shot.png" 2>/dev/null || return 1
    local column
    column=$(convert "$workdir/shot.png" -crop "1x60+$((X + W - 3))+$Y" +repage -depth 8 txt:- 2>/dev/null) || return 1
    client_top=$(awk -F'[,:]' 'NR == 1 { next } !/#FFFFFF/ { menu = 1; next } menu { print $2; exit }' <<<"$column")
    [ -n "$client_top" ]
}
poll client_area_found || fail "no menu bar above a white client area"
board_left=$((X + (outer_width - 600) / 2))
board_top=$((Y + client_top + (outer_height - 661) / 2))
echo "board image at $board_left,$board_top"

# The instructions window opens by itself and has the keyboard; Return
# presses Start.
poll shown "Instructions for Settings utility" || fail "the instructions window did not open"
help=$(window_of "Instructions for Settings utility")
poll active_is "$help" || xdotool windowactivate --sync "$help"
xdotool key Return
poll hidden "Instructions for Settings utility" || fail "Start did not hide the instructions"
pull="Pull-Up Configuration"
poll shown "$pull" || fail "Start did not open $pull"

# Pinned: neither a visit to the popup nor moving away closes it.
client_geometry "$(window_of "$pull")"
xdotool mousemove $((X + W / 2)) $((Y + H / 2))
xdotool mousemove $away
stays shown "$pull" || fail "$pull closed when the pointer moved away"

# Next, at the middle of the popup's button row, 44 pixels above its
# bottom edge.
client_geometry "$(window_of "$pull")"
xdotool mousemove $((X + W / 2)) $((Y + H - 44 + 12)) click 1
poll shown "External Power" || fail "Next did not open External Power"
poll hidden "$pull" || fail "$pull stayed open after Next"

# The DC jack's circle is at (434, 546), 79 x 109, on the board image.
dc_x=$((board_left + 434 + 79 / 2))
dc_y=$((board_top + 546 + 109 / 2))
xdotool mousemove $away
xdotool mousemove "$dc_x" "$dc_y"
poll shown "DC Input" || fail "pointing at $dc_x,$dc_y did not open DC Input"
xdotool mousemove $away
poll hidden "DC Input" || fail "DC Input stayed open when the pointer moved away"
shown "External Power" || fail "External Power closed with DC Input"

# Keyboard commands go to the main window: a click on its blank area
# makes it active. Alt and the menu's letter open the menu; the item's
# letter chooses the command once the menu's window is up.
menu_up() {
    local id
    for id in $(xdotool search --onlyvisible --classname '^Settings$' 2>/dev/null); do
        xprop -id "$id" _NET_WM_WINDOW_TYPE 2>/dev/null | grep -q POPUP_MENU && return 0
    done
    return 1
}
focus_main() {
    xdotool mousemove $away click 1
    poll active_is "$main" || xdotool windowactivate --sync "$main"
}
menu_command() { # menu-letter item-letter outcome...
    local menu=$1 item=$2 attempt
    shift 2
    for attempt in 1 2 3; do
        focus_main
        xdotool key "alt+$menu"
        if poll menu_up; then
            xdotool key "$item"
            poll "$@" && return 0
        fi
        xdotool key Escape Escape
    done
    return 1
}

menu_command h t shown "Technical Support" || fail "Help, Technical Support did not open its window"

exited() { ! kill -0 "$app_pid" 2>/dev/null; }
menu_command f e exited || fail "File, Exit did not end the program"
status=0
wait "$app_pid" || status=$?
[ "$status" -eq 0 ] || fail "exit status $status"
stray=$( (xdotool search --onlyvisible --name .; xdotool search --onlyvisible --classname '^Settings$') 2>/dev/null || true)
[ -z "$stray" ] || fail "windows left after the exit: $stray"
echo "PASS"
