# Sourced by scripts that need a private X server with a window manager.
# Defines xvfb_session_start SIZE and xvfb_session_stop.

xvfb_session_start() {
    local size=${1:-1280x1024}
    local n
    for n in $(seq 90 140); do
        [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] || break
    done
    Xvfb ":$n" -screen 0 "${size}x24" -nolisten tcp >/dev/null 2>&1 &
    XVFB_PID=$!
    export DISPLAY=":$n"
    for _ in $(seq 1 100); do
        xdpyinfo >/dev/null 2>&1 && break
        sleep 0.05
    done
    openbox >/dev/null 2>&1 &
    OPENBOX_PID=$!
    # openbox takes the screen a moment after it starts
    for _ in $(seq 1 100); do
        xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
        sleep 0.05
    done
}

xvfb_session_stop() {
    kill "${OPENBOX_PID:-}" "${XVFB_PID:-}" 2>/dev/null || true
    wait "${OPENBOX_PID:-}" "${XVFB_PID:-}" 2>/dev/null || true
}
