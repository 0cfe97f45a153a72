#!/usr/bin/env bash
# How often Dunok wakes up and how much CPU it takes while it only waits, on a desktop of its own
# (Xvfb, a session bus, PulseAudio with a null sink, openbox and the trayer tray, so that the tray
# icon really draws). Three situations, each measured over SECONDS:
#   idle    no timer running, window closed (only the tray icon)
#   hidden  one timer running, window closed
#   shown   one timer running, window open
# For the whole process (every thread): wake-ups per second, counted as voluntary plus
# involuntary context switches of its threads, and CPU % from its utime + stime; then the same
# per thread, so that what Qt keeps running (the X event reader, the D-Bus connection, the sound
# server's connection) shows apart from the main thread.
#
# What Dunok sends on the session bus meanwhile is counted too: each message is a wake-up of its
# D-Bus thread. The timer runs TIMER seconds, so that its tray pie (48 steps a run) changes every
# TIMER/48 seconds while it is counted.
#
#   bench/wakeups.sh BUILD_DIR [SECONDS [TIMER]]   (default 30 and 600)
here=$(cd "$(dirname "$0")" && pwd)
source "$here/../tests/scripts/lib.sh" # and the desktop's parts
build=${1:?usage: wakeups.sh BUILD_DIR [SECONDS]}
seconds=${2:-30}
timer=${3:-600}
dunok=$(readlink -f "$build/bin/dunok")
[[ -x $dunok ]] || { echo "missing $dunok (build the dunok target)" >&2; exit 1; }
settle=3 # seconds after each change before the count starts

# One line per thread of PID: tid, voluntary and involuntary switches, CPU ns, name.
threads() {
    local task vol invol cpu
    for task in /proc/"$1"/task/*; do
        vol=$(awk '/^voluntary_ctxt_switches/ { print $2 }' "$task/status" 2>/dev/null) || continue
        invol=$(awk '/^nonvoluntary_ctxt_switches/ { print $2 }' "$task/status" 2>/dev/null) || continue
        read -r cpu _ < "$task/schedstat" 2>/dev/null || continue
        [[ -n $vol && -n $invol ]] || continue
        printf '%s %s %s %s %s\n' "${task##*/}" "$vol" "$invol" "$cpu" "$(tr ' ' _ < "$task/comm")"
    done
}
# The process's utime + stime in clock ticks: it keeps the time of threads that have ended too.
process_ticks() { awk '{ print $14 + $15 }' "/proc/$1/stat"; }

# Dunok's unique names on the session bus.
bus_names() {
    local name
    for name in $(dbus-send --session --print-reply --dest=org.freedesktop.DBus \
        /org/freedesktop/DBus org.freedesktop.DBus.ListNames | grep -o '":[0-9.]*"' | tr -d '"'); do
        [[ $(bus_owner_pid "$name") == "$app" ]] && echo "$name"
    done
}

measure() { # LABEL
    local t0 t1 ticks0 ticks1 monitor
    sleep "$settle"
    bus_names > "$work/names"
    dbus-monitor --session --profile > "$work/bus.log" 2> /dev/null &
    monitor=$!
    sleep 0.5
    ticks0=$(process_ticks "$app")
    threads "$app" > "$work/before.threads"
    t0=$(date +%s%N)
    sleep "$seconds"
    t1=$(date +%s%N)
    ticks1=$(process_ticks "$app")
    threads "$app" > "$work/after.threads"
    kill "$monitor" && wait "$monitor" 2> /dev/null || true
    awk -v label="$1" -v wall="$(((t1 - t0) / 1000))" -v ticks="$((ticks1 - ticks0))" \
        -v hz="$(getconf CLK_TCK)" '
        FNR == NR { vol[$1] = $2; invol[$1] = $3; cpu[$1] = $4; next }
        {
            # A thread started during the count had none before it.
            v = $2 - vol[$1]; i = $3 - invol[$1]; c = $4 - cpu[$1]
            line[++n] = sprintf("    %-18s tid %-7s %8.2f wake-ups/s (%.2f involuntary)  %6.3f %% CPU",
                                $5, $1, (v + i) / (wall / 1e6), i / (wall / 1e6), c / 10 / wall)
            total += v + i
        }
        END {
            printf "%-7s %8.2f wake-ups/s  %6.3f %% CPU  over %.1f s\n", label,
                   total / (wall / 1e6), 100 * ticks / hz / (wall / 1e6), wall / 1e6
            for (k = 1; k <= n; k++) print line[k]
        }' "$work/before.threads" "$work/after.threads"
    # --profile: type, time, serial, sender, destination, path, interface, member.
    awk -v wall="$(((t1 - t0) / 1000))" 'FNR == NR { ours[$1] = 1; next }
        ($4 in ours) { n[$1 " " $7 "." $8]++ }
        END { for (k in n) printf "    bus: %-60s %6.2f/s\n", k, n[k] / (wall / 1e6) }' \
        "$work/names" "$work/bus.log" | sort
}

open_desktop sound wm tray
write_prefs prefsSendNotification=false prefsBringToFront=false
make_store "INSERT INTO Timers (desc, duration, sound) VALUES ('Stew', $timer, 'Chimes')"
launch
wait_until 30 have_tray_icon || fail "no icon appeared in the tray"
wmctrl -c Dunok
wait_until 10 main_window_gone || fail "the window did not close"
echo "dunok: $dunok"
echo "wake-ups = voluntary + involuntary context switches of all threads; CPU from utime + stime"
measure idle

QT_QPA_PLATFORM=xcb "$dunok" --start Stew > /dev/null || fail "dunok --start Stew failed"
wait_until 10 eval 'row Stew | grep -qP "\trunning\t"' || fail "Stew did not start"
# Whether the start showed the window or not, it is closed for this count.
have_main_window && wmctrl -c Dunok
wait_until 10 main_window_gone || fail "the window did not close"
measure hidden

QT_QPA_PLATFORM=xcb "$dunok" --show > /dev/null 2>&1 || fail "dunok --show failed"
wait_until 10 have_main_window || fail "dunok --show did not bring the window"
measure shown
quit_dunok
