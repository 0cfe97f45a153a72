#!/usr/bin/env bash
# The command line and the bus interface drive a real Dunok, with every refusal's exit status.
source "$(dirname "$0")/lib.sh"
setup_home
start_session_bus
export QT_QPA_PLATFORM=offscreen
expect() { # expect STATUS ARGS...: dunok ARGS exits with STATUS, its output in $work/out and err
    local status=0
    timeout 30 "$dunok" "${@:2}" >"$work/out" 2>"$work/err" || status=$?
    [[ $status -eq $1 ]] || fail "dunok ${*:2} exited $status, not $1: $(cat "$work/err")"
}
err_has() { grep -qF -- "$1" "$work/err" || fail "no '$1' in: $(cat "$work/err")"; }
refuses() { expect "$1" "${@:3}" && err_has "$2"; } # refuses STATUS TEXT ARGS...
says() { # says TEXT ARGS...: succeeds, printing TEXT
    expect 0 "${@:2}"
    [[ $(cat "$work/out") == "$1" ]] || fail "dunok ${*:2} printed '$(cat "$work/out")'"
}
state_is() { row "$1" | grep -qP "\t$2\t" || fail "'$1' is not $2: $(row "$1" || "$dunok" --list)"; }
bus_call() {
    gdbus call --session --dest org.dunok.Dunok --object-path /org/dunok/Dunok \
        --method "org.dunok.Dunok.$1" "${@:2}" >"$work/out" 2>"$work/err"
}
start monitor dbus-monitor --session "type='signal',interface='org.dunok.Dunok'"
wait_until 10 grep -q "NameAcquired" "$work/monitor.log" || fail "dbus-monitor did not start"
# A new user's --list shows the first start's timers by time, and makes nothing; nor do refusals.
expect 0 --list
[[ $(wc -l <"$work/out") -eq 19 && $(head -1 "$work/out") == $'30 seconds\tstopped\t0:30' &&
    $(tail -1 "$work/out") == $'2 hours\tstopped\t2:00:00' ]] || fail "a new user's list: $(cat "$work/out")"
refuses 2 bogus --bogus
refuses 2 "control characters" --start 5m --name $'Te\ta'
refuses 2 5x --start 5x --name Pasta
[[ ! -e $XDG_DATA_HOME/Dunok && ! -e $XDG_CONFIG_HOME/Dunok ]] || fail "--list or a refusal made files"
# Stores the program refuses are not listed nor used: why, status 3, file untouched.
looks() { stat -c '%s %Y %F' "$store" 2>/dev/null || readlink "$store"; }
refused() {
    local before=$(looks)
    refuses 3 "$1" --list
    [[ ! -s $work/out ]] || fail "a refused store listed: $(cat "$work/out")"
    err_has "$store"
    refuses 3 "$1" --start "5 minutes"
    [[ $(looks) == "$before" ]] || fail "the refused store changed"
}
mkdir -p "$XDG_DATA_HOME/Dunok"
ln -s "$work/gone.sqlite" "$store"
refused "which does not exist"
rm "$store" && mkdir "$store"
refused "there is a folder instead of a file"
rmdir "$store" && printf 'my notes, not a database\n%.0s' {1..200} >"$store"
refused "is not a timer file"
rm "$store"
make_store "PRAGMA user_version = 99"
refused "newer version of Dunok"
rm -rf "$XDG_DATA_HOME/Dunok" "$XDG_CONFIG_HOME/Dunok" # a new user again
# A timer to start makes Dunok start in the background, its window hidden.
expect 0 --start 5m --name Tea --save
dunok_pid=$(bus_owner_pid org.dunok.Dunok)
[[ -n $dunok_pid ]] && pids_to_stop+=("$dunok_pid") || fail "no Dunok owns the bus name after --start"
# One Dunok per user: a plain launch hands over to it and leaves.
timeout 20 "$dunok" >"$work/second.log" 2>&1 || fail "the second launch failed"
grep -q "already running" "$work/second.log" || fail "the second launch did not say why it left"
row Tea | grep -qP '^Tea\trunning\t[45]:[0-5][0-9]$' || fail "Tea's line reads '$(row Tea)'"
refuses 4 Tea --start Tea
expect 0 --pause tea
state_is Tea paused
expect 0 --resume Tea
state_is Tea running
expect 0 --add 2m tea
grep -qP '^“Tea” has [67]:[0-5]\d left\.$' "$work/out" && row Tea | grep -qP '\t[67]:[0-5]\d$' ||
    fail "--add 2m printed '$(cat "$work/out")', left '$(row Tea)'"
refuses 2 "more than 7 days left" --add 7d Tea
! bus_call AddTime Tea 0 && err_has "org.dunok.Dunok.Error.InvalidArgument" || fail "AddTime of 0"
expect 0 --stop Tea
row Tea | grep -qP '^Tea\tstopped\t5:00$' || fail "--stop left '$(row Tea)'"
refuses 4 "is not running" --add 1m Tea
expect 4 --stop Tea
expect 0 --start Tea
grep -A1 "member=TimerStarted" "$work/monitor.log" | grep -q '"Tea"' || fail "no TimerStarted for Tea"
refuses 1 "1 hour 30 minutes" --stop "1 h"
refuses 1 "30 seconds" --start "No such timer"
# One-off timers never reach the store; quotes are part of a name.
expect 0 --start 1s --name Blink
wait_until 20 grep -q "member=TimerFinished" "$work/monitor.log" || fail "no TimerFinished signal"
expect 0 --start 2m --name "Mum's \"best\" tea" --save
expect 0 --stop "mum's"
expect 0 --stop-all
! "$dunok" --list | grep -qP '\t(running|paused)\t' || fail "--stop-all left timers running"
# The bus interface: named errors, and the committed description.
! bus_call Start "No such timer" || fail "Start of an unknown timer succeeded"
err_has "org.dunok.Dunok.Error.NoSuchTimer"
bus_call List || fail "List failed: $(cat "$work/err")"
grep -qF "('Tea', 'stopped', 300)" "$work/out" || fail "List returned $(cat "$work/out")"
gdbus introspect --session --dest org.dunok.Dunok --object-path /org/dunok/Dunok --xml \
    >"$work/live.xml" || fail "no introspection"
python3 - "$source_dir/resources/org.dunok.Dunok.xml" "$work/live.xml" <<'PY' ||
import sys, xml.etree.ElementTree as ET
def members(path):
    iface = next(i for i in ET.parse(path).iter("interface") if i.get("name") == "org.dunok.Dunok")
    return sorted((m.tag, m.get("name"), tuple((a.get("direction", "out" if m.tag == "signal"
        else "in"), a.get("type")) for a in m.iter("arg"))) for m in iface if m.tag in ("method", "signal"))
sys.exit(members(sys.argv[1]) != members(sys.argv[2]))
PY
    fail "the live interface differs from resources/org.dunok.Dunok.xml"
# Quit; the store lists without a Dunok and without a display, the one-offs gone.
kill "$dunok_pid"
wait_until 20 process_gone "$dunok_pid" || fail "Dunok did not quit on SIGTERM"
grep -q "mainWindow" "$XDG_CONFIG_HOME/Dunok/Dunok.conf" || fail "the quit stored no window frame"
[[ $(stat -c %a "$XDG_CONFIG_HOME/Dunok"{,/Dunok.conf} "$store") == $'700\n600\n600' ]] ||
    fail "the preferences, their folder or the store can be read by others"
(unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM DBUS_SESSION_BUS_ADDRESS
    timeout 30 "$dunok" --list >"$work/out" 2>"$work/err") || fail "--list without Dunok failed"
grep -qP '^Tea\tstopped\t5:00$' "$work/out" && grep -qP '^2 hours\tstopped\t2:00:00$' "$work/out" ||
    fail "the store's list: $(cat "$work/out")"
! grep -q Blink "$work/out" || fail "a one-off timer reached the store"
[[ ! -s $work/err ]] || fail "--list without Dunok complained: $(cat "$work/err")"
expect 4 --stop Tea
expect 1 --pause Nothing
rm -f "$store"
start_xvfb
start_window_manager
write_prefs prefsBringToFront=false prefsSendNotification=false prefsNewDatabase=true
launch
[[ $("$dunok" --list | wc -l) -eq 19 ]] || fail "the first start made no defaults"
# With --name the argument is a duration; without, a description, a duration, then a prefix.
says "Started a 45-second timer “fortyfive”" --start 45 --name fortyfive
state_is "45 minutes" stopped
refuses 2 "neither a timer nor a duration" --start "Five minutes" --save
says "Started “45 minutes”" --start "45 minutes"
says "Started a 5-minute timer “5m timer”" --start "5 m"
state_is "5 minutes" stopped
says "Started an 8-minute timer “8m timer”" --start "8m"
says "Started “2 hours”" --start "2 hou"
# Two one-offs of the same length get names of their own, each stoppable.
says "Started a 5-minute timer “5m timer 2”" --start 5m
expect 0 --stop "5m timer"
state_is "5m timer 2" running
# Durations out of range and an empty name (no prefix of every timer) are refused, on the bus too.
range="A timer runs for a second to a year."
refuses 2 "dunok: $range" --start 0
! bus_call StartDuration "Bad" -- -5 false || fail "StartDuration of -5 s succeeded"
err_has "org.dunok.Dunok.Error.InvalidArgument: $range"
bus_call StartDuration "" 30 false || fail "StartDuration failed: $(cat "$work/err")"
grep -qF "('30s timer',)" "$work/out" || fail "StartDuration answered $(cat "$work/out")"
! bus_call Start "" || fail "Start(\"\") succeeded"
err_has "org.dunok.Dunok.Error.InvalidArgument: A timer name cannot be empty."
[[ $(wc -l <"$work/err") -le 2 ]] || fail "Start(\"\") listed timers: $(cat "$work/err")"
expect 2 --start ""
# A running timer deleted in the window: the count on the bus goes down, and up at the next start.
count_sent() {
    [[ $(grep -A1 member=RunningCountChanged "$work/monitor.log" | grep -o 'int32 [0-9]*' |
        tail -1) == "int32 $1" ]]
}
count_is() { wait_until 10 count_sent "$1" || fail "no count of $1 sent $2"; }
expect 0 --stop-all
count_is 0 "after --stop-all"
expect 0 --start "30 seconds"
count_is 1 "after a start"
window=$(main_window)
xdotool windowactivate --sync "$window" 2>/dev/null || xdotool windowfocus --sync "$window"
# Sorted by time, "30 seconds" is the first row; Delete asks, Return confirms.
xdotool key --window "$window" Home Delete
wait_until 10 eval '[[ $(dunok_windows | wc -l) -ge 2 ]]' || fail "Delete did not ask"
xdotool key Return
wait_until 10 eval '! row "30 seconds"' || fail "the row was not deleted"
count_is 0 "after the delete"
expect 0 --start "1 minute"
count_is 1 "after the next start"
quit_dunok INT # Ctrl+C takes the orderly quit too
# A full disk under --save says why, and adds nothing.
if unshare --mount --propagation private true 2>/dev/null; then
    cat >"$work/full.sh" <<EOF
set -euo pipefail
mount -t tmpfs -o size=512k tmpfs "$XDG_DATA_HOME"
timeout 60 "$dunok" --start 2s --name First --save >"$work/full-first.out" 2>&1
head -c 1M /dev/zero >"$XDG_DATA_HOME/filler" 2>/dev/null || true
timeout 30 "$dunok" --start 5m --name Second --save >"$work/full.out" 2>"$work/err" &&
    echo "--save on a full disk exited 0" >>"$work/err"
"$dunok" --list >"$work/out"
"$dunok" --stop-all
EOF
    unshare --mount --propagation private bash "$work/full.sh" || fail "the full-disk run failed"
    ! grep -q "exited 0" "$work/err" || fail "$(cat "$work/err")"
    err_has "The disk that holds your timers is full"
    grep -q "^First" "$work/out" && ! grep -q "^Second" "$work/out" || fail "listed: $(cat "$work/out")"
    owner=$(bus_owner_pid org.dunok.Dunok)
    [[ -z $owner ]] || { kill "$owner"; wait_until 20 process_gone "$owner"; }
else
    echo "SKIP: the full disk needs a mount namespace (run as root)"
fi
echo "PASS"
