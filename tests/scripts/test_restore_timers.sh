#!/usr/bin/env bash
# Kept across a restart: a running timer counts on, a paused one stays paused, and one that
# passed while Dunok was closed rings once, saying so. With the preference off, all stop.
source "$(dirname "$0")/lib.sh"
open_desktop sound notices
export QT_QPA_PLATFORM=offscreen
write_prefs prefsKeepTimers=true prefsSendNotification=true prefsQuietWithMouse=false
# Tea starts itself again, three times in all: its round is kept too.
make_store "INSERT INTO Timers (desc, duration, sound, whenFinished, rounds) VALUES
    ('Tea', 600, 'Chimes', 1, 3), ('Egg', 900, 'Chimes', 0, 0), ('Pasta', 1200, 'Chimes', 0, 0)"
start_dunok() {
    start dunok "$dunok" && app=$pid
    wait_until 30 bus_has_owner org.dunok.Dunok || fail "Dunok did not answer on the bus"
}
kept_as_left() {
    row Tea | grep -qP '^Tea\trunning\t(9|10):[0-5][0-9]\tround 1/3$' &&
        row Egg | grep -qP '^Egg\tpaused\t1[45]:[0-5][0-9]$' || fail "$1: $("$dunok" --list)"
}
start_dunok
"$dunok" --start Tea && "$dunok" --start Egg && "$dunok" --pause Egg && "$dunok" --start Pasta ||
    fail "the timers could not be started"
kept() { sqlite3 -readonly "$store" "SELECT $2 IS NOT NULL FROM Timers WHERE desc = '$1'"; }
quit_dunok
kept_as_left "the listing without Dunok" # what the next start will find
# While Dunok is closed, Pasta's moment passes (a minute ago).
sqlite3 "$store" "UPDATE Timers SET dueAt = (strftime('%s', 'now') - 60) * 1000
    WHERE desc = 'Pasta'"
row Pasta | grep -qP '^Pasta\tfinished\t' || fail "Pasta lists as $(row Pasta)"
start_dunok
kept_as_left "after the restart"
row Pasta | grep -qP '^Pasta\t(finished|stopped)\t' || fail "Pasta after the restart: $(row Pasta)"
wait_until 10 eval '[[ $(dunstctl count displayed) -ge 1 ]]' || fail "no notification of the finish"
# Closed, it goes into the daemon's history, where its text can be read.
dunstctl close-all
wait_until 5 eval 'dunstctl history | grep -q "Finished while Dunok was closed, at"' ||
    fail "the notification does not say Pasta finished while Dunok was closed"
[[ $(kept Pasta dueAt) == 0 ]] || fail "Pasta would ring again at the next start"
quit_dunok
# Off: the next start finds every timer stopped, and forgets what was kept.
write_prefs prefsKeepTimers=false
start_dunok
row Tea | grep -qP '^Tea\tstopped\t' && row Egg | grep -qP '^Egg\tstopped\t' ||
    fail "timers are kept with the preference off: $("$dunok" --list)"
[[ $(sqlite3 -readonly "$store" 'SELECT count(*) FROM Timers WHERE dueAt IS NOT NULL OR
    pausedLeft IS NOT NULL') == 0 ]] || fail "the store still keeps timers with the preference off"
quit_dunok
echo PASS
