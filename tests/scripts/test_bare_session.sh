#!/usr/bin/env bash
# A session with none of the desktop's services: no session bus, no sound
# server and no runtime folder, only an X display and a window manager (a
# bare window-manager login, or a broken session). Dunok says once on the
# console what it goes without, a timer still finishes and brings the
# minimised window back, the window still makes and stores a timer, and
# SIGTERM ends it with status 0.
here=$(dirname "$0")
source "$here/lib.sh"
source "$here/desktop.sh"
dunok=$1
setup_home
start_xvfb
start_window_manager
write_prefs prefsSendNotification=true prefsQuietWithMouse=false prefsBringToFront=true
store=$XDG_DATA_HOME/Dunok/TimerModel.sqlite
make_store "$dunok" "INSERT INTO Timers (desc, duration, sound) VALUES
    ('Quick egg', 2, 'Vintage Alarm Clock'), ('Slow stew', 3600, 'Vintage Alarm Clock')"

# Sockets that nothing listens on, as when the services died; no runtime
# folder at all.
export DBUS_SESSION_BUS_ADDRESS=unix:path=$work/no-bus PULSE_SERVER=unix:$work/no-sound-server
rm -rf "$XDG_RUNTIME_DIR"
unset XDG_RUNTIME_DIR
start dunok env QT_QPA_PLATFORM=xcb "$dunok"
app=$pid
log=$work/dunok.log
wait_until 60 have_main_window || fail "no window without the session's services"
said() {
    local text
    for text; do grep -q "$text" "$log" || fail "Dunok did not say \"$text...\""; done
}
said "No D-Bus session bus" "Notifications are off"

window=$(main_window)
xdotool windowactivate --sync "$window"
xdotool key Down Up Return # starts the two-second egg
xdotool windowminimize --sync "$window"
wait_until 5 main_window_gone || fail "the window did not minimise"
# Only the finish can bring the window back.
wait_until 20 have_main_window || fail "the timer's finish did not bring the window back"

xdotool windowactivate --sync "$(main_window)"
xdotool key ctrl+n
wait_until 20 have_editor || fail "the editor did not open"
xdotool type --delay 20 "Bare tea"
xdotool key Return
tea_stored() { [[ $(sqlite3 -readonly "$store" "SELECT count(*) FROM Timers WHERE desc = 'Bare tea'") == 1 ]]; }
wait_until 20 tea_stored || fail "the editor's timer was not stored"
said "No audio output could be opened"

kill -TERM "$app"
wait_until 30 process_gone "$app" || fail "SIGTERM did not end Dunok"
status=0
wait "$app" || status=$?
((status == 0)) || fail "Dunok ended with status $status"
! has_crash_report "$log" || fail "a crash was reported"
echo "PASS"
