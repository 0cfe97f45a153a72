#!/usr/bin/env bash
# The command line and the bus interface drive a real Dunok: starting by name,
# prefix and duration, pausing, resuming, stopping, listing, every refusal with
# its exit status, and the listing of the store while no Dunok runs.
source "$(dirname "$0")/lib.sh"
dunok=$1
source_dir=$(cd "$(dirname "$0")/../.." && pwd)
setup_home
start_session_bus
export QT_QPA_PLATFORM=offscreen

# expect STATUS ARGS...: dunok ARGS exits with STATUS; its output is in
# $work/out and $work/err.
expect() {
    local want=$1 status=0
    shift
    timeout 30 "$dunok" "$@" >"$work/out" 2>"$work/err" || status=$?
    [[ $status -eq $want ]] || fail "dunok $* exited $status, not $want: $(cat "$work/err")"
}
err_has() { grep -qF -- "$1" "$work/err" || fail "no '$1' in: $(cat "$work/err")"; }
row() { "$dunok" --list | grep -P "^\Q$1\E\t"; }
state_is() { row "$1" | grep -qP "\t$2\t"; }

# Usage errors change nothing and need no Dunok.
expect 0 --list
[[ $(wc -l <"$work/out") -eq 19 ]] || fail "a new user's list: $(cat "$work/out")"
expect 2 --bogus
err_has "bogus"
expect 2 --start
err_has "start"
expect 2 --pause
expect 2 --start 5m --name $'Te\ta'
err_has "control characters"
expect 2 --start 5m --name $'Te\na'
expect 2 --start 5x --name Pasta
err_has "5x"
expect 2 --list --stop-all
expect 2 --name Pasta
expect 0 --version
grep -q "^Dunok " "$work/out" || fail "--version printed $(cat "$work/out")"
[[ ! -e $XDG_DATA_HOME/Dunok ]] || fail "a refused command made a store"

# A timer to start makes Dunok start in the background; its window stays hidden.
expect 0 --start 5m --name Tea --save
owner_pid() {
    dbus-send --session --print-reply --dest=org.freedesktop.DBus /org/freedesktop/DBus \
        org.freedesktop.DBus.GetConnectionUnixProcessID string:org.dunok.Dunok |
        awk '/uint32/ { print $2 }'
}
dunok_pid=$(owner_pid)
[[ -n $dunok_pid ]] || fail "no Dunok owns the bus name after --start"
pids_to_stop+=("$dunok_pid")
start monitor dbus-monitor --session "type='signal',interface='org.dunok.Dunok'"
wait_until 10 grep -q "NameAcquired" "$work/monitor.log" || fail "dbus-monitor did not start"

state_is Tea running || fail "Tea does not run: $(row Tea)"
row Tea | grep -qP '^Tea\trunning\t[45]:[0-5][0-9]$' || fail "Tea's line reads '$(row Tea)'"
expect 4 --start Tea
err_has "Tea"
expect 0 --pause tea
state_is Tea paused || fail "--pause tea left '$(row Tea)'"
expect 4 --pause Tea
expect 0 --resume Tea
expect 4 --resume Tea
state_is Tea running || fail "--resume left '$(row Tea)'"
expect 0 --stop Tea
row Tea | grep -qP '^Tea\tstopped\t5:00$' || fail "--stop left '$(row Tea)'"
expect 4 --stop Tea
expect 0 --start te
state_is Tea running || fail "the prefix 'te' did not start Tea"
grep -A1 "member=TimerStarted" "$work/monitor.log" | grep -q '"Tea"' ||
    fail "no TimerStarted signal for Tea"
grep -q "member=RunningCountChanged" "$work/monitor.log" || fail "no RunningCountChanged signal"

# An exact name wins over the longer names it begins; a prefix of several is refused.
expect 0 --start "1 hour"
state_is "1 hour" running || fail "'1 hour' did not start"
state_is "1 hour 15 minutes" stopped || fail "'1 hour' started '1 hour 15 minutes' too"
expect 1 --stop "1 h"
err_has "1 hour 30 minutes"
expect 1 --start "No such timer"
err_has "30 seconds"
# A stored timer wins over the duration it spells.
expect 0 --start "1 minute"
state_is "1 minute" running || fail "'1 minute' did not start the stored timer"

# One-off timers run in the list but never reach the store.
expect 0 --start 90s --name Pasta
row Pasta | grep -qP '^Pasta\trunning\t1:[23][0-9]$' || fail "Pasta reads '$(row Pasta)'"
expect 0 --start 1s --name Blink
wait_until 20 grep -q "member=TimerFinished" "$work/monitor.log" || fail "no TimerFinished signal"
expect 2 --start 5x --name Pasta2
# Quotes are part of a name, not a slip of the shell.
expect 0 --start 2m --name "Mum's \"best\" tea" --save
state_is "Mum's \"best\" tea" running || fail "a name with quotes reads '$("$dunok" --list)'"
expect 0 --stop "mum's"
expect 0 --stop-all
! "$dunok" --list | grep -qP '\t(running|paused)\t' || fail "--stop-all left timers running"

# The bus interface itself: named errors, wrong argument types refused, and
# the live introspection is the committed description.
bus_call() {
    gdbus call --session --dest org.dunok.Dunok --object-path /org/dunok/Dunok \
        --method "org.dunok.Dunok.$1" "${@:2}" >"$work/out" 2>"$work/err"
}
! bus_call Start "No such timer" || fail "Start of an unknown timer succeeded"
err_has "org.dunok.Dunok.Error.NoSuchTimer"
! bus_call StartDuration "Bad" -- -5 false || fail "StartDuration of -5 s succeeded"
err_has "org.dunok.Dunok.Error.InvalidArgument"
bus_call List || fail "List failed: $(cat "$work/err")"
grep -qF "('Tea', 'stopped', 300)" "$work/out" || fail "List returned $(cat "$work/out")"
! dbus-send --session --print-reply --dest=org.dunok.Dunok /org/dunok/Dunok \
    org.dunok.Dunok.Start int32:42 >"$work/out" 2>"$work/err" || fail "Start(int32) was answered"
err_has "Error"
gdbus introspect --session --dest org.dunok.Dunok --object-path /org/dunok/Dunok --xml \
    >"$work/live.xml" || fail "no introspection"
python3 - "$source_dir/resources/org.dunok.Dunok.xml" "$work/live.xml" <<'PY' ||
import sys, xml.etree.ElementTree as ET
def members(path):
    node = ET.parse(path).getroot()
    iface = next(i for i in node.iter("interface") if i.get("name") == "org.dunok.Dunok")
    return sorted((m.tag, m.get("name"), tuple((a.get("direction", "out" if m.tag == "signal"
             else "in"), a.get("type")) for a in m.iter("arg"))) for m in iface
             if m.tag in ("method", "signal"))
committed, live = members(sys.argv[1]), members(sys.argv[2])
if committed != live:
    sys.exit("committed %s\nlive      %s" % (committed, live))
PY
    fail "the live interface differs from resources/org.dunok.Dunok.xml"

# Quit; the store lists without a Dunok and without a display, the one-offs gone.
kill "$dunok_pid"
wait_until 20 process_gone "$dunok_pid" || fail "Dunok did not quit on SIGTERM"
(unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM DBUS_SESSION_BUS_ADDRESS
    timeout 30 "$dunok" --list >"$work/out" 2>"$work/err") || fail "--list without Dunok failed"
grep -qP '^Tea\tstopped\t5:00$' "$work/out" || fail "the store's list: $(cat "$work/out")"
grep -qP '^2 hours\tstopped\t2:00:00$' "$work/out" || fail "no 2 hours line: $(cat "$work/out")"
! grep -qE "Pasta|Blink" "$work/out" || fail "a one-off timer reached the store"
[[ ! -s $work/err ]] || fail "--list without Dunok complained: $(cat "$work/err")"
expect 4 --stop Tea
expect 1 --pause Nothing
echo "PASS"
