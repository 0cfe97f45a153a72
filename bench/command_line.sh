#!/usr/bin/env bash
# How long the command line takes: --list and --start against a running Dunok,
# and --list with none running (read from the store, no display). Medians of
# RUNS calls, in milliseconds, under a private bus and home.
#   bench/command_line.sh BUILD [RUNS]
source "$(dirname "$0")/../tests/scripts/lib.sh"
dunok=$1/bin/dunok
runs=${2:-20}
setup_home
start_session_bus
export QT_QPA_PLATFORM=offscreen

# median_ms COMMAND...: the median wall time of runs calls; $after, when set,
# runs untimed after each.
median_ms() {
    local i t0 t1 times=()
    for ((i = 0; i < runs; i++)); do
        t0=$(date +%s%N)
        "$@" >/dev/null 2>&1 || true
        t1=$(date +%s%N)
        times+=($(((t1 - t0) / 1000)))
        [[ -z ${after:-} ]] || $after >/dev/null 2>&1 || true
    done
    printf '%s\n' "${times[@]}" | sort -n | awk '{ a[NR] = $1 } END { printf "%.1f", a[int((NR + 1) / 2)] / 1000 }'
}

"$dunok" --start 1h --name Bench --save >/dev/null || fail "could not start Dunok"
owner=$(dbus-send --session --print-reply --dest=org.freedesktop.DBus /org/freedesktop/DBus \
    org.freedesktop.DBus.GetConnectionUnixProcessID string:org.dunok.Dunok | awk '/uint32/ { print $2 }')
pids_to_stop+=("$owner")
"$dunok" --stop Bench
list_running=$(median_ms "$dunok" --list)
start_running=$(after="$dunok --stop Bench" median_ms "$dunok" --start Bench)
kill "$owner"
wait_until 20 process_gone "$owner" || fail "Dunok did not quit"
list_alone=$(env -u DISPLAY -u QT_QPA_PLATFORM bash -c "$(declare -f median_ms); runs=$runs; median_ms '$dunok' --list")
printf 'runs\tlist (running)\tstart (running)\tlist (no Dunok)\n%s\t%s ms\t%s ms\t%s ms\n' \
    "$runs" "$list_running" "$start_running" "$list_alone"
