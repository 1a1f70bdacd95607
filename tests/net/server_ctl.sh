#!/bin/sh
# Starts or stops the local test server: server_ctl.sh start|stop DIR [PYTHON]
# The server runs detached (its own session, no inherited output) so CTest does not wait for it.
set -u
action=$1
dir=$2
python=${3:-python3}
here=$(cd "$(dirname "$0")" && pwd)

stop() {
    if [ -f "$dir/server.pid" ]; then
        pid=$(cat "$dir/server.pid")
        if kill "$pid" 2>/dev/null; then
            for _ in $(seq 50); do
                kill -0 "$pid" 2>/dev/null || break
                sleep 0.1
            done
            kill -9 "$pid" 2>/dev/null
        fi
        rm -f "$dir/server.pid"
    fi
    rm -f "$dir/server.port"
}

case "$action" in
start)
    mkdir -p "$dir"
    stop
    rm -rf "$dir/state"
    setsid "$python" "$here/server.py" --dir "$dir" </dev/null >"$dir/server.log" 2>&1 &
    echo $! >"$dir/server.pid"
    for _ in $(seq 100); do
        [ -s "$dir/server.port" ] && exit 0
        sleep 0.1
    done
    echo "test server did not start; see $dir/server.log" >&2
    stop
    exit 1
    ;;
stop)
    stop
    ;;
*)
    echo "usage: $0 start|stop DIR [PYTHON]" >&2
    exit 2
    ;;
esac
