# Sourced by scripts that need a private X server with a window manager.
# Defines xvfb_session_start SIZE and xvfb_session_stop.

xvfb_session_start() {
    local size=${1:-1280x1024}
    local fifo
    fifo=$(mktemp -u)
    mkfifo "$fifo"
    # The server picks a free display itself and writes its number, so that
    # sessions started at the same moment never share one.
    Xvfb -displayfd 3 -screen 0 "${size}x24" -nolisten tcp 3>"$fifo" >/dev/null 2>&1 &
    XVFB_PID=$!
    local n
    read -r -t 20 n <"$fifo" || n=""
    rm -f "$fifo"
    if [ -z "$n" ]; then
        echo "Xvfb did not start" >&2
        return 1
    fi
    export DISPLAY=":$n"
    openbox >/dev/null 2>&1 &
    OPENBOX_PID=$!
    # openbox takes the screen a moment after it starts
    for _ in $(seq 1 200); do
        xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
        sleep 0.05
    done
}

xvfb_session_stop() {
    kill "${OPENBOX_PID:-}" "${XVFB_PID:-}" 2>/dev/null || true
    wait "${OPENBOX_PID:-}" "${XVFB_PID:-}" 2>/dev/null || true
}

# For test scripts: a scratch folder in $workdir and a private session,
# both ended with the script, together with the program it started
# ($app_pid) and any helpers it lists in $extra_pids.
xvfb_test_session() {
    workdir=$(mktemp -d)
    trap 'kill ${app_pid:-} ${extra_pids:-} 2>/dev/null || true; xvfb_session_stop; rm -rf "$workdir"' EXIT
    xvfb_session_start "$1"
}
