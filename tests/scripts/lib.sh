# Helpers for tests that run the real program; the script's arguments are the program and build.
set -euo pipefail
dunok=${1:-} build=${2:-}
source_dir=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
setup_home() {
    work=$(mktemp -d)
    # Every process the test starts inherits this mark, by which the cleanup knows its own.
    export DUNOK_TEST_RUN=$work
    export XDG_DATA_HOME=$work/data XDG_CONFIG_HOME=$work/config XDG_RUNTIME_DIR=$work/runtime
    export HOME=$work/home ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=0}
    mkdir -p "$XDG_DATA_HOME" "$XDG_CONFIG_HOME" "$XDG_RUNTIME_DIR" "$HOME"
    chmod 700 "$XDG_RUNTIME_DIR"
    store=$XDG_DATA_HOME/Dunok/TimerModel.sqlite
    pids_to_stop=()
    trap cleanup EXIT
}
# Whether PID is still a process this test started: it carries the test's mark. A pid alone does
# not name a process for long: on a busy test run the pids wrap around within minutes, and the
# pid of one that ended may by then be another test's display or bus.
ours() { grep -qzxF "DUNOK_TEST_RUN=$work" "/proc/$1/environ" 2>/dev/null; }
# Newest first, so that a program goes before the bus or display it uses; a pid that has gone to
# another program since is left alone.
cleanup() {
    local i pid
    for ((i = ${#pids_to_stop[@]} - 1; i >= 0; i--)); do
        pid=${pids_to_stop[i]}
        ours "$pid" && kill "$pid" 2>/dev/null || continue
        wait_until 5 process_gone "$pid" || ! ours "$pid" || kill -KILL "$pid" 2>/dev/null || true
    done
    rm -rf "$work"
}
# A bus that starts no services on demand (only the test's own answer) and lets dbus-monitor see all.
start_session_bus() {
    printf '%s\n' "<busconfig><type>session</type><listen>unix:dir=$XDG_RUNTIME_DIR</listen>" \
        '<auth>EXTERNAL</auth><policy context="default"><allow send_destination="*"' \
        'eavesdrop="true"/><allow eavesdrop="true"/><allow own="*"/></policy></busconfig>' \
        >"$work/bus.conf"
    local out
    out=$(dbus-daemon --config-file="$work/bus.conf" --fork --print-address=1 --print-pid=1)
    export DBUS_SESSION_BUS_ADDRESS=${out%%$'\n'*}
    pids_to_stop+=("${out##*$'\n'}")
}
bus_owner_pid() { # NAME: the pid of the program that owns it, or nothing
    dbus-send --session --print-reply --dest=org.freedesktop.DBus /org/freedesktop/DBus \
        org.freedesktop.DBus.GetConnectionUnixProcessID "string:$1" 2>/dev/null |
        awk '/uint32/ { print $2 }'
}
bus_has_owner() { [[ -n $(bus_owner_pid "$1") ]]; }
start_xvfb() {
    # A random high number: other programs on a machine take the low ones, and some remove the
    # locks and sockets of displays they think their own. Xvfb refuses a number in use; then
    # another is tried. It writes the number to fd 3 once it takes clients.
    local x
    for _ in 1 2 3 4 5; do
        rm -f "$work/display" # a display before this one must not be taken for it
        Xvfb ":$((200 + RANDOM % 700))" -displayfd 3 -screen 0 1024x768x24 -nolisten tcp \
            3>"$work/display" >/dev/null 2>&1 &
        x=$!
        for _ in $(seq 100); do
            grep -q '^[0-9]' "$work/display" 2>/dev/null && break
            kill -0 "$x" 2>/dev/null || break
            sleep 0.1
        done
        if grep -q '^[0-9]' "$work/display" 2>/dev/null; then
            pids_to_stop+=("$x")
            export DISPLAY=:$(head -1 "$work/display")
            return
        fi
        kill "$x" 2>/dev/null || true
    done
    fail "Xvfb did not start"
}
start() { # start NAME command...: in the background with its output in $work/NAME.log
    "${@:2}" >"$work/$1.log" 2>&1 &
    pid=$! && pids_to_stop+=("$pid")
}
# stop PID [SIGNAL [CHILD]]: an orderly quit with status 0 (CHILD: the one to wait for, if not PID).
stop() {
    kill -"${2:-TERM}" "$1" || fail "$1 was gone before its SIG${2:-TERM}"
    wait_until 30 process_gone "$1" || fail "SIG${2:-TERM} did not end $1"
    wait "${3:-$1}" || fail "$1 ended with status $? after SIG${2:-TERM}"
}
wait_until() {
    local deadline=$(($(date +%s%N) + $1 * 1000000000))
    shift
    until "$@"; do
        (($(date +%s%N) < deadline)) || return 1
        sleep 0.05
    done
}
process_gone() { ! kill -0 "$1" 2>/dev/null; }
fail() {
    echo "FAIL: $*" >&2
    for log in "${work:-/nonexistent}"/*.log; do
        [[ -f $log ]] && echo "--- $log:" && tail -n 20 "$log"
    done >&2
    exit 1
}
# Preferences for a returning user (no default timers), sorted by duration, then KEY=VALUE lines.
write_prefs() {
    mkdir -p "$XDG_CONFIG_HOME/Dunok"
    { printf '[General]\nhavePrefs=100\nprefsSort=1\n'; printf '%s\n' "$@"; } \
        >"$XDG_CONFIG_HOME/Dunok/Dunok.conf"
}
make_store() { # make_store [SQL]: a store as Dunok itself writes it, then filled with SQL
    [[ -f $store ]] || {
        start prepare env QT_QPA_PLATFORM=offscreen "$dunok"
        wait_until 60 sqlite3 -readonly "$store" 'SELECT 1 FROM Timers' >/dev/null 2>&1 ||
            fail "Dunok made no store"
        stop "$pid"
    }
    [[ -z ${1:-} ]] || sqlite3 "$store" "$1"
}
egg_store() { # egg_store SECONDS [SQL]: a quick egg of that many seconds above a slow stew
    make_store "INSERT INTO Timers (desc, duration, sound) VALUES ('Quick egg', $1,
        'Vintage Alarm Clock'), ('Slow stew', 3600, 'Vintage Alarm Clock'); ${2:-}"
}
row() { "$dunok" --list | grep -P "^\Q$1\E\t"; }
has_crash_report() {
    grep -qE 'ERROR: AddressSanitizer|ERROR: LeakSanitizer|runtime error:|SUMMARY: UndefinedBehavior|Segmentation fault|Aborted|terminate called' "$1"
}
source "$(dirname "${BASH_SOURCE[0]}")/desktop.sh"
