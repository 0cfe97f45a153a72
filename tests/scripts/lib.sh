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

# start_session_bus [bare]: "bare" leaves out the services the system would
# start on demand, so that no program the test did not start answers on it.
start_session_bus() {
    local out config=(--session)
    if [[ ${1:-} == bare ]]; then
        cat >"$work/bus.conf" <<EOF
<!DOCTYPE busconfig PUBLIC "-//freedesktop//DTD D-Bus Bus Configuration 1.0//EN"
 "http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd">
<busconfig>
  <type>session</type>
  <listen>unix:dir=$XDG_RUNTIME_DIR</listen>
  <auth>EXTERNAL</auth>
  <policy context="default">
    <allow send_destination="*" eavesdrop="true"/>
    <allow eavesdrop="true"/>
    <allow own="*"/>
  </policy>
</busconfig>
EOF
        config=(--config-file="$work/bus.conf")
    fi
    out=$(dbus-daemon "${config[@]}" --fork --print-address=1 --print-pid=1)
    export DBUS_SESSION_BUS_ADDRESS=$(sed -n 1p <<<"$out")
    pids_to_stop+=("$(sed -n 2p <<<"$out")")
}

# Newest first, so that a program goes before the bus or display it uses;
# each gets a moment to end before it is killed outright, so nothing the test
# started outlives it.
cleanup() {
    local i pid
    for (( i = ${#pids_to_stop[@]} - 1; i >= 0; i-- )); do
        pid=${pids_to_stop[i]}
        kill "$pid" 2>/dev/null || continue
        wait_until 5 process_gone "$pid" || kill -KILL "$pid" 2>/dev/null || true
    done
    rm -rf "$work"
}

# start_xvfb: a virtual display on the first free display number, exported
# as DISPLAY once the server accepts clients.
start_xvfb() {
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" \
        >"$work/xvfb.log" 2>&1 &
    pids_to_stop+=("$!")
    wait_until 10 grep -q '^[0-9]' "$work/display" ||
        fail "Xvfb did not start: $(cat "$work/xvfb.log")"
    DISPLAY=:$(head -1 "$work/display")
    export DISPLAY
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
