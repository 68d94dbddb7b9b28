#!/usr/bin/env bash
# install_start.sh CMAKE BUILD_DIR CONFIG ICON
# Installs the build into a scratch prefix, checks the files desktops look
# for and that they agree with one another, then starts the program the
# way its desktop entry says and ends it through its close box.
set -euo pipefail

cmake=$1
build=$2
config=$3
icon=$4

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
prefix=$work/usr
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

if ! "$cmake" --install "$build" --config "$config" --prefix "$prefix" >"$work/install.log" 2>&1; then
    cat "$work/install.log"
    echo "FAIL: cmake --install"
    exit 1
fi
(cd "$prefix" && find . -type f | sort)

program=$prefix/bin/Settings
[ -x "$program" ] || { echo "FAIL: no bin/Settings"; exit 1; }
# The build tree's library path must not survive installation.
if readelf -d "$program" | grep -E 'R(UN)?PATH' | grep -qF "$build"; then
    fail "the installed program still looks for libraries in the build tree"
fi

shopt -s nullglob
entries=("$prefix"/share/applications/*.desktop)
[ ${#entries[@]} -eq 1 ] || { echo "FAIL: ${#entries[@]} desktop entries, expected one"; exit 1; }
entry=${entries[0]}
id=$(basename "$entry" .desktop)
[[ $id =~ ^[a-z][a-z0-9]*(\.[A-Za-z_][A-Za-z0-9_]*){2,}$ ]] || fail "'$id' is not a reverse-DNS id"

key() { sed -n "s/^$1=//p" "$entry" | head -n1; }
[ "$(key Type)" = Application ] || fail "Type=$(key Type)"
[ "$(key Name)" = Setup ] || fail "Name=$(key Name)"
[ "$(key Icon)" = "$id" ] || fail "Icon=$(key Icon), expected the id $id"
exec_line=$(key Exec)
[ -x "$prefix/bin/${exec_line%% *}" ] || fail "Exec=$exec_line names no installed program"
if command -v desktop-file-validate >/dev/null; then
    desktop-file-validate "$entry" || fail "desktop-file-validate"
fi

# Enlarged sizes must be the icon's pixels as sharp blocks, exactly; the
# others only need the size desktops ask for.
for size in 16 32 48 64 128 256; do
    png=$prefix/share/icons/hicolor/${size}x${size}/apps/$id.png
    if [ ! -f "$png" ]; then fail "no ${size}x${size} icon"; continue; fi
    dimensions=$(identify -format '%m %wx%h' "$png")
    [ "$dimensions" = "PNG ${size}x${size}" ] || fail "${size}x${size} icon is $dimensions"
    if (( size % 32 == 0 )); then
        convert "$icon" -sample "${size}x${size}" "$work/expected.png"
        differing=$(compare -metric AE "$png" "$work/expected.png" null: 2>&1 || true)
        [ "$differing" = 0 ] || fail "${size}x${size} icon differs from the enlarged icon in $differing pixels"
    fi
done

metainfo=$prefix/share/metainfo/$id.metainfo.xml
if [ ! -f "$metainfo" ]; then
    fail "no AppStream metadata for $id"
else
    grep -qF "<id>$id</id>" "$metainfo" || fail "metadata id is not $id"
    grep -qF "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" \
        || fail "metadata does not launch $id.desktop"
    grep -qF "<binary>${exec_line%% *}</binary>" "$metainfo" || fail "metadata does not provide the binary"
    if command -v appstreamcli >/dev/null; then
        appstreamcli validate --no-net "$metainfo" || fail "appstreamcli validate"
    fi
fi

source "$(dirname "$0")/../../scripts/xvfb-session.sh"
xvfb_session_start 1280x1024
trap 'xvfb_session_stop; rm -rf "$work"' EXIT

# Started by name through PATH, as a desktop does.
PATH="$prefix/bin:$PATH" $exec_line &
app_pid=$!

stop() { kill "$app_pid" 2>/dev/null || true; echo "FAIL: $*"; exit 1; }

# Other programs may have windows captioned Setup on this display too.
window=""
for _ in $(seq 1 400); do
    window=$(xdotool search --all --onlyvisible --pid "$app_pid" --name '^Setup$' 2>/dev/null | head -n1 || true)
    [ -n "$window" ] && break
    sleep 0.025
done
[ -n "$window" ] || stop "the installed program shows no window captioned Setup"

# The window manager ignores a close request for a window it has not
# taken over yet; taking it over, it sets WM_STATE.
managed=0
for _ in $(seq 1 400); do
    if xprop -id "$window" WM_STATE 2>/dev/null | grep -q 'window state: Normal'; then
        managed=1
        break
    fi
    sleep 0.025
done
[ "$managed" = 1 ] || stop "the window manager on $DISPLAY did not take the window over"

# Docks match the window to the entry by its class.
wm_class=$(key StartupWMClass)
if [ -n "$wm_class" ]; then
    xprop -id "$window" WM_CLASS | grep -qF "\"$wm_class\"" \
        || fail "window class $(xprop -id "$window" WM_CLASS) does not match StartupWMClass=$wm_class"
fi

wmctrl -i -c "$window"
for _ in $(seq 1 400); do
    kill -0 "$app_pid" 2>/dev/null || break
    sleep 0.025
done
kill -0 "$app_pid" 2>/dev/null && stop "the program did not end when its window was closed"
status=0
wait "$app_pid" || status=$?
[ "$status" -eq 0 ] || fail "exit status $status after closing"

[ "$failures" -eq 0 ] || exit 1
echo "PASS"
