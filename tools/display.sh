# Sourced: starts a private Xvfb display for this shell and stops it (and Wine) on exit.
kv_start_display() {
    local n
    for n in $(seq 91 140); do
        if [ -e /tmp/.X11-unix/X$n ] || [ -e /tmp/.X$n-lock ]; then continue; fi
        Xvfb :$n -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
        KV_XVFB_PID=$!
        export DISPLAY=:$n
        for _ in $(seq 50); do
            if [ -e /tmp/.X11-unix/X$n ]; then break; fi
            sleep 0.1
        done
        trap kv_stop_display EXIT
        return 0
    done
    echo "no free display" >&2
    return 1
}
kv_stop_display() {
    if [ -n "${KV_WINEPREFIX_USED:-}" ]; then
        WINEPREFIX="$KV_WINEPREFIX_USED" wineserver -k 2>/dev/null || true
    fi
    if [ -n "${KV_XVFB_PID:-}" ]; then
        kill "$KV_XVFB_PID" 2>/dev/null || true
        wait "$KV_XVFB_PID" 2>/dev/null || true
    fi
    KV_XVFB_PID=
}
