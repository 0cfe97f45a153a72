#!/usr/bin/env bash
# Timers that run on across a restart of the real program: with "Keep running
# timers across restarts" on, a running timer counts on after SIGTERM and a new
# start, a paused one stays paused with its time left, and one whose moment
# passed while Dunok was closed rings once at the start, with a notification on
# a real daemon (dunst) that says so. With the preference off, all start
# stopped.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/desktop.sh"
dunok=$1
open_desktop sound
start dunst dunst -config /etc/xdg/dunst/dunstrc
notification_service_up() {
    dbus-send --session --print-reply --dest=org.freedesktop.DBus /org/freedesktop/DBus \
        org.freedesktop.DBus.NameHasOwner string:org.freedesktop.Notifications |
        grep -q 'boolean true'
}
wait_until 20 notification_service_up || fail "dunst did not take the notification service"
export QT_QPA_PLATFORM=offscreen
write_prefs prefsKeepTimers=true prefsSendNotification=true prefsQuietWithMouse=false
store=$XDG_DATA_HOME/Dunok/TimerModel.sqlite
make_store "$dunok" "INSERT INTO Timers (desc, duration, sound) VALUES
    ('Tea', 600, 'Vintage Alarm Clock'), ('Egg', 900, 'Vintage Alarm Clock'),
    ('Pasta', 1200, 'Vintage Alarm Clock')"

row() { "$dunok" --list | grep -P "^$1\t"; }
running() { "$dunok" --list >/dev/null 2>&1 && [[ -n $(row Tea) ]]; }
launch() {
    start dunok "$dunok"
    app=$pid
    wait_until 30 running || fail "Dunok did not answer on the bus"
}
launch
"$dunok" --start Tea && "$dunok" --start Egg && "$dunok" --pause Egg && "$dunok" --start Pasta ||
    fail "the timers could not be started"
kept() { sqlite3 -readonly "$store" "SELECT $2 IS NOT NULL FROM Timers WHERE desc = '$1'"; }
[[ $(kept Tea dueAt) == 1 && $(kept Egg pausedLeft) == 1 && $(kept Pasta dueAt) == 1 ]] ||
    fail "the store does not keep the running timers: $(sqlite3 "$store" 'SELECT * FROM Timers')"
stop "$app"
# With none running, the listing shows what the next start will find.
"$dunok" --list | grep -qP '^Tea\trunning\t(9|10):[0-5][0-9]$' ||
    fail "the listing without Dunok: $("$dunok" --list)"
"$dunok" --list | grep -qP '^Egg\tpaused\t1[45]:[0-5][0-9]$' ||
    fail "the listing without Dunok: $("$dunok" --list)"

# While Dunok is closed, Pasta's moment passes (a minute ago).
sqlite3 "$store" "UPDATE Timers SET dueAt = (strftime('%s', 'now') - 60) * 1000
    WHERE desc = 'Pasta'"
"$dunok" --list | grep -qP '^Pasta\tfinished\t' || fail "Pasta lists as $("$dunok" --list)"
launch
row Tea | grep -qP '^Tea\trunning\t(9|10):[0-5][0-9]$' || fail "Tea after the restart: $(row Tea)"
row Egg | grep -qP '^Egg\tpaused\t1[45]:[0-5][0-9]$' || fail "Egg after the restart: $(row Egg)"
row Pasta | grep -qP '^Pasta\t(finished|stopped)\t' || fail "Pasta after the restart: $(row Pasta)"
shown() { [[ $(dunstctl count displayed) -ge 1 ]]; }
wait_until 10 shown || fail "no notification of the finish while closed"
# Closed, it goes into the daemon's history, where its text can be read.
dunstctl close-all
told() { dunstctl history | grep -q "Finished while Dunok was closed, at"; }
wait_until 5 told || fail "the notification does not say Pasta finished while Dunok was closed"
[[ $(kept Pasta dueAt) == 0 ]] || fail "Pasta would ring again at the next start"
stop "$app"

# Off: the next start finds every timer stopped, and forgets what was kept.
write_prefs prefsKeepTimers=false
launch
row Tea | grep -qP '^Tea\tstopped\t' || fail "Tea runs with the preference off: $(row Tea)"
row Egg | grep -qP '^Egg\tstopped\t' || fail "Egg is kept with the preference off: $(row Egg)"
[[ $(sqlite3 -readonly "$store" 'SELECT count(*) FROM Timers WHERE dueAt IS NOT NULL OR
    pausedLeft IS NOT NULL') == 0 ]] || fail "the store still keeps timers with the preference off"
stop "$app"
echo PASS
