#!/usr/bin/env bash
# One Dunok per user: a second launch hands over to the first and exits; a
# SIGTERM or SIGINT ends Dunok through its orderly quit; without a session
# bus Dunok still runs.
source "$(dirname "$0")/lib.sh"
dunok=$1
setup_home
start_session_bus
export QT_QPA_PLATFORM=offscreen

"$dunok" >"$work/first.log" 2>&1 &
first=$!
pids_to_stop+=("$first")
wait_until 20 bus_has_name org.dunok.Dunok || fail "the first Dunok never took its bus name"
wait_until 20 test -s "$XDG_DATA_HOME/Dunok/TimerModel.sqlite" || fail "no store was made"

timeout 20 "$dunok" >"$work/second.log" 2>&1 || fail "the second launch failed: $(cat "$work/second.log")"
grep -q "already running" "$work/second.log" || fail "the second launch did not say why it left"
kill -0 "$first" || fail "the first Dunok went away"

kill -TERM "$first"
wait_until 20 process_gone "$first" || fail "SIGTERM did not end Dunok"
wait "$first" && status=0 || status=$?
[[ $status -eq 0 ]] || fail "Dunok ended with status $status after SIGTERM: $(cat "$work/first.log")"
# The orderly quit stored the window's frame.
grep -q "mainWindow" "$XDG_CONFIG_HOME/Dunok/Dunok.conf" || fail "the quit did not store the window frame"
grep -q "havePrefs=100" "$XDG_CONFIG_HOME/Dunok/Dunok.conf" || fail "no havePrefs=100 in the preferences"
[[ $(stat -c %a "$XDG_CONFIG_HOME/Dunok/Dunok.conf") == 600 ]] || fail "preferences readable by others"
[[ $(stat -c %a "$XDG_DATA_HOME/Dunok/TimerModel.sqlite") == 600 ]] || fail "store readable by others"

# SIGINT (Ctrl+C) takes the same road; the name is free again after a quit.
"$dunok" >"$work/third.log" 2>&1 &
third=$!
pids_to_stop+=("$third")
wait_until 20 bus_has_name org.dunok.Dunok || fail "a new Dunok could not take the name back"
kill -INT "$third"
wait_until 20 process_gone "$third" || fail "SIGINT did not end Dunok"
wait "$third" && status=0 || status=$?
[[ $status -eq 0 ]] || fail "Dunok ended with status $status after SIGINT"

# No session bus at all: Dunok says so once and runs.
DBUS_SESSION_BUS_ADDRESS=unix:path=$work/no-such-bus "$dunok" >"$work/nobus.log" 2>&1 &
nobus=$!
pids_to_stop+=("$nobus")
wait_until 20 grep -q "No D-Bus session bus" "$work/nobus.log" || fail "no word about the missing bus"
kill -0 "$nobus" || fail "Dunok did not keep running without a bus: $(cat "$work/nobus.log")"
kill -TERM "$nobus"
wait_until 20 process_gone "$nobus" || fail "SIGTERM did not end Dunok without a bus"
echo "PASS"
