# Helpers for tests that run the real program: a private home, a private
# session bus, and waiting with a deadline instead of sleeping blindly.
set -euo pipefail

setup_home() {
    work=$(mktemp -d)
    export XDG_DATA_HOME=$work/data XDG_CONFIG_HOME=$work/config XDG_RUNTIME_DIR=$work/runtime
    export HOME=$work/home
    mkdir -p "$XDG_DATA_HOME" "$XDG_CONFIG_HOME" "$XDG_RUNTIME_DIR" "$HOME"
    chmod 700 "$XDG_RUNTIME_DIR"
    pids_to_stop=()
    trap cleanup EXIT
}

start_session_bus() {
    local out
    out=$(dbus-daemon --session --fork --print-address=1 --print-pid=1)
    export DBUS_SESSION_BUS_ADDRESS=$(sed -n 1p <<<"$out")
    pids_to_stop+=("$(sed -n 2p <<<"$out")")
}

cleanup() {
    for pid in "${pids_to_stop[@]}"; do kill "$pid" 2>/dev/null || true; done
    rm -rf "$work"
}

# wait_until SECONDS command...: polls every 50 ms.
wait_until() {
    local deadline=$(( $(date +%s%N) + $1 * 1000000000 )); shift
    until "$@"; do
        (( $(date +%s%N) < deadline )) || return 1
        sleep 0.05
    done
}

fail() { echo "FAIL: $*" >&2; exit 1; }

bus_has_name() {
    dbus-send --session --print-reply --dest=org.freedesktop.DBus /org/freedesktop/DBus \
        org.freedesktop.DBus.NameHasOwner "string:$1" 2>/dev/null | grep -q 'boolean true'
}

process_gone() { ! kill -0 "$1" 2>/dev/null; }
