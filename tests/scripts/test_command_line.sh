#!/usr/bin/env bash
# The command line and the bus interface drive a real Dunok: --list for a new
# user, for stores Dunok refuses and while no Dunok runs; starting by name,
# prefix and duration (a name first, then a duration, then a prefix), one-offs
# with the same name, pausing, resuming, stopping, every refusal with its exit
# status, durations out of range and an empty name on the bus, the running
# count after a running timer is deleted in the window, and a full disk under
# --save.
here=$(dirname "$0")
source "$here/lib.sh"
source "$here/desktop.sh"
dunok=$1
source_dir=$(cd "$here/../.." && pwd)
setup_home
start_session_bus
export QT_QPA_PLATFORM=offscreen
store=$XDG_DATA_HOME/Dunok/TimerModel.sqlite

# expect STATUS ARGS...: dunok ARGS exits with STATUS; its output is in
# $work/out and $work/err.
expect() {
    local want=$1 status=0
    shift
    timeout 30 "$dunok" "$@" >"$work/out" 2>"$work/err" || status=$?
    [[ $status -eq $want ]] || fail "dunok $* exited $status, not $want: $(cat "$work/err")"
}
out_is() { [[ $(cat "$work/out") == "$1" ]] || fail "printed '$(cat "$work/out")', not '$1'"; }
err_is() { [[ $(cat "$work/err") == "$1" ]] || fail "said '$(cat "$work/err")', not '$1'"; }
err_has() { grep -qF -- "$1" "$work/err" || fail "no '$1' in: $(cat "$work/err")"; }
row() { "$dunok" --list | grep -P "^\Q$1\E\t"; }
state_is() { row "$1" | grep -qP "\t$2\t"; }
bus_call() {
    gdbus call --session --dest org.dunok.Dunok --object-path /org/dunok/Dunok \
        --method "org.dunok.Dunok.$1" "${@:2}" >"$work/out" 2>"$work/err"
}
start monitor dbus-monitor --session "type='signal',interface='org.dunok.Dunok'"
wait_until 10 grep -q "NameAcquired" "$work/monitor.log" || fail "dbus-monitor did not start"

# A new user's --list shows the nineteen timers the first start will show,
# by time, and makes nothing.
expect 0 --list
[[ $(wc -l <"$work/out") -eq 19 ]] || fail "a new user's list: $(cat "$work/out")"
[[ $(head -1 "$work/out") == $'30 seconds\tstopped\t0:30' ]] || fail "first: $(head -1 "$work/out")"
[[ $(tail -1 "$work/out") == $'2 hours\tstopped\t2:00:00' ]] || fail "last: $(tail -1 "$work/out")"

# Usage errors need no Dunok.
# (Which lines are refused is tst_commandline's; here the status and the words.)
expect 2 --bogus
err_has "bogus"
expect 2 --start 5m --name $'Te\ta'
err_has "control characters"
expect 2 --start 5x --name Pasta
err_has "5x"
expect 0 --version
grep -q "^Dunok " "$work/out" || fail "--version printed $(cat "$work/out")"
[[ ! -e $XDG_DATA_HOME/Dunok && ! -e $XDG_CONFIG_HOME/Dunok ]] || fail "--list or a refusal made files"

# Stores the program refuses are not listed: why, and status 3, file untouched.
refused() { # refused WHAT-THE-MESSAGE-SAYS: the store as it is now
    local before
    before=$(stat -c '%s %Y %F' "$store" 2>/dev/null || readlink "$store")
    expect 3 --list
    [[ ! -s $work/out ]] || fail "a refused store listed: $(cat "$work/out")"
    err_has "$1"
    err_has "$store"
    expect 3 --start "5 minutes"
    err_has "$1"
    [[ $(stat -c '%s %Y %F' "$store" 2>/dev/null || readlink "$store") == "$before" ]] ||
        fail "the refused store changed"
}
mkdir -p "$XDG_DATA_HOME/Dunok"
ln -s "$work/gone.sqlite" "$store"
refused "which does not exist"
rm "$store" && mkdir "$store"
refused "there is a folder instead of a file"
rmdir "$store" && printf 'my notes, not a database\n%.0s' {1..200} >"$store"
refused "is not a timer file"
rm "$store"
make_store "$dunok" "PRAGMA user_version = 99"
refused "newer version of Dunok"
rm -rf "$XDG_DATA_HOME/Dunok" "$XDG_CONFIG_HOME/Dunok" # a new user again

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

# One-off timers run in the list but never reach the store.
expect 0 --start 90s --name Pasta
row Pasta | grep -qP '^Pasta\trunning\t1:[23][0-9]$' || fail "Pasta reads '$(row Pasta)'"
expect 0 --start 1s --name Blink
wait_until 20 grep -q "member=TimerFinished" "$work/monitor.log" || fail "no TimerFinished signal"
# Quotes are part of a name, not a slip of the shell.
expect 0 --start 2m --name "Mum's \"best\" tea" --save
state_is "Mum's \"best\" tea" running || fail "a name with quotes reads '$("$dunok" --list)'"
expect 0 --stop "mum's"
expect 0 --stop-all
! "$dunok" --list | grep -qP '\t(running|paused)\t' || fail "--stop-all left timers running"

# The bus interface itself: named errors, wrong argument types refused, and
# the live introspection is the committed description.
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

# A fresh store (the defaults), and a Dunok with a window.
rm -f "$store"
start_xvfb
start_window_manager
write_prefs prefsBringToFront=false prefsSendNotification=false prefsNewDatabase=true
start dunok env QT_QPA_PLATFORM=xcb "$dunok"
app=$pid
wait_until 60 have_main_window || fail "no Dunok window appeared"
[[ $("$dunok" --list | wc -l) -eq 19 ]] || fail "the first start made no defaults"

# With --name the argument is a duration, whatever timer it also names.
expect 0 --start 45 --name fortyfive
out_is "Started a 45-second timer “fortyfive”"
state_is fortyfive running || fail "fortyfive: $(row fortyfive)"
state_is "45 minutes" stopped || fail "--start 45 --name started '45 minutes'"
expect 0 --start "1 minute" --name Foo
row Foo | grep -qP '^Foo\trunning\t[01]:[0-9]{2}$' || fail "Foo: $(row Foo)"
state_is "1 minute" stopped || fail "--name was ignored: '1 minute' runs"
expect 2 --start "Five minutes" --save
err_has "neither a timer nor a duration"
# Without it: a description first, then a duration, then a prefix.
expect 0 --start "45 minutes"
out_is "Started “45 minutes”"
state_is "45 minutes" running || fail "'45 minutes' did not start"
expect 0 --start "5 m"
out_is "Started a 5-minute timer “5m timer”"
state_is "5 minutes" stopped || fail "'5 m' started the stored '5 minutes'"
expect 0 --start "8m"
out_is "Started an 8-minute timer “8m timer”"
expect 0 --start "2 hou"
out_is "Started “2 hours”"

# Two one-offs of the same length get names of their own, each stoppable.
expect 0 --start 5m
out_is "Started a 5-minute timer “5m timer 2”"
expect 0 --stop "5m timer"
state_is "5m timer 2" running || fail "stopping '5m timer' stopped the second too"
expect 0 --start 10m --name Pasta
out_is "Started a 10-minute timer “Pasta”"
expect 0 --start 90s --name Pasta
out_is "Started a 1m 30s timer “Pasta 2”"
expect 0 --pause "Pasta 2"
state_is Pasta running || fail "pausing 'Pasta 2' paused Pasta: $(row Pasta)"

# Durations out of range: one sentence, status 2, the same on the bus.
for duration in 0 0s -5m 99999h "-1:30"; do
    expect 2 --start "$duration"
    err_is "dunok: A timer runs for a second to a year."
    expect 2 --start "$duration" --name Bad
    err_is "dunok: A timer runs for a second to a year."
done
! bus_call StartDuration "Bad" 0 false || fail "StartDuration of 0 s succeeded"
err_has "org.dunok.Dunok.Error.InvalidArgument"
err_has "A timer runs for a second to a year."
bus_call StartDuration "" 30 false || fail "StartDuration failed: $(cat "$work/err")"
grep -qF "('30s timer',)" "$work/out" || fail "StartDuration answered $(cat "$work/out")"
# An empty name is refused, not taken as the prefix of every timer.
! bus_call Start "" || fail "Start(\"\") succeeded"
err_has "org.dunok.Dunok.Error.InvalidArgument"
err_has "A timer name cannot be empty."
[[ $(wc -l <"$work/err") -le 2 ]] || fail "Start(\"\") listed timers: $(cat "$work/err")"
expect 2 --start ""

# A running timer deleted in the window: the count goes down on the bus, and
# the next start is counted again.
expect 0 --stop-all
count_sent() { grep -A1 "member=RunningCountChanged" "$work/monitor.log" | grep -o 'int32 [0-9]*' | tail -1; }
wait_until 10 eval '[[ $(count_sent) == "int32 0" ]]' || fail "no count of 0 after --stop-all"
expect 0 --start "30 seconds"
wait_until 10 eval '[[ $(count_sent) == "int32 1" ]]' || fail "no count of 1: $(count_sent)"
window=$(main_window)
xdotool windowactivate --sync "$window" 2>/dev/null || xdotool windowfocus --sync "$window"
# Sorted by time, "30 seconds" is the first row; Delete asks, Return confirms.
xdotool key --window "$window" Home Delete
asked() { [[ $(dunok_windows | wc -l) -ge 2 ]]; }
wait_until 10 asked || fail "Delete did not ask: $(dunok_windows)"
xdotool key Return
wait_until 10 eval '! "$dunok" --list | grep -q "^30 seconds"' || fail "the row was not deleted"
wait_until 10 eval '[[ $(count_sent) == "int32 0" ]]' || fail "no count of 0 after the delete"
expect 0 --start "1 minute"
wait_until 10 eval '[[ $(count_sent) == "int32 1" ]]' || fail "the next start sent no count"
stop "$app"

# A full disk under --save says why, and adds nothing.
if unshare --mount --propagation private true 2>/dev/null; then
    cat >"$work/full.sh" <<EOF
set -euo pipefail
mount -t tmpfs -o size=512k tmpfs "$XDG_DATA_HOME"
timeout 60 "$dunok" --start 2s --name First --save >"$work/full-first.out" 2>&1
head -c 1M /dev/zero >"$XDG_DATA_HOME/filler" 2>/dev/null || true
status=0
timeout 30 "$dunok" --start 5m --name Second --save >"$work/full.out" 2>"$work/full.err" || status=\$?
echo \$status >"$work/full.status"
"$dunok" --list >"$work/full.list"
"$dunok" --stop-all
EOF
    unshare --mount --propagation private bash "$work/full.sh" || fail "the full-disk run failed: $(cat "$work"/full*)"
    [[ $(cat "$work/full.status") -ne 0 ]] || fail "--save on a full disk exited 0"
    grep -qF "The disk that holds your timers is full" "$work/full.err" ||
        fail "the full disk was not named: $(cat "$work/full.err")"
    ! grep -q "^Second" "$work/full.list" || fail "the refused timer was listed"
    grep -q "^First" "$work/full.list" || fail "the saved timer is gone: $(cat "$work/full.list")"
    owner=$(dbus-send --session --print-reply --dest=org.freedesktop.DBus /org/freedesktop/DBus \
        org.freedesktop.DBus.GetConnectionUnixProcessID string:org.dunok.Dunok 2>/dev/null |
        awk '/uint32/ { print $2 }')
    [[ -z $owner ]] || { kill "$owner"; wait_until 20 process_gone "$owner"; }
else
    echo "SKIP: the full disk needs a mount namespace (run as root)"
fi
echo "PASS"
