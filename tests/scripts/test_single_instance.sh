#!/usr/bin/env bash
# One Dunok per user: a second launch hands over to the first and exits; SIGTERM
# and SIGINT end Dunok through its orderly quit, which keeps its files private.
source "$(dirname "$0")/lib.sh"
setup_home
start_session_bus
export QT_QPA_PLATFORM=offscreen
start first "$dunok"
wait_until 20 bus_has_owner org.dunok.Dunok || fail "the first Dunok never took its bus name"
timeout 20 "$dunok" >"$work/second.log" 2>&1 || fail "the second launch failed"
grep -q "already running" "$work/second.log" || fail "the second launch did not say why it left"
stop "$pid"
conf=$XDG_CONFIG_HOME/Dunok/Dunok.conf
grep -q "mainWindow" "$conf" || fail "the quit did not store the window frame"
[[ $(stat -c %a "$conf" "$store") == $'600\n600' ]] ||
    fail "the preferences or the store can be read by others"
# SIGINT (Ctrl+C) takes the same road; the name is free again after a quit.
start third "$dunok"
wait_until 20 bus_has_owner org.dunok.Dunok || fail "a new Dunok could not take the name back"
stop "$pid" INT
echo "PASS"
