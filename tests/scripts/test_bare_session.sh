#!/usr/bin/env bash
# A session with none of the desktop's services (no session bus, no sound
# server, no runtime folder), only a display and a window manager: Dunok says
# what it goes without, a timer still finishes and brings the minimised window
# back, the window still makes and stores a timer, and SIGTERM ends it cleanly.
source "$(dirname "$0")/lib.sh"
setup_home
start_xvfb
start_window_manager
write_prefs prefsSendNotification=true prefsQuietWithMouse=false prefsBringToFront=true
egg_store 2
# Sockets that nothing listens on, as when the services died.
export DBUS_SESSION_BUS_ADDRESS=unix:path=$work/no-bus PULSE_SERVER=unix:$work/no-sound-server
rm -rf "$XDG_RUNTIME_DIR"
unset XDG_RUNTIME_DIR
launch
said() { grep -q "$1" "$work/dunok.log" || fail "Dunok did not say \"$1...\""; }
said "No D-Bus session bus"
said "Notifications are off"

select_first_row
xdotool key Return # starts the two-second egg
xdotool windowminimize --sync "$(main_window)"
wait_until 5 main_window_gone || fail "the window did not minimise"
# Only the finish can bring the window back.
wait_until 20 have_main_window || fail "the timer's finish did not bring the window back"

xdotool windowactivate --sync "$(main_window)"
xdotool key ctrl+n
wait_until 20 have_editor || fail "the editor did not open"
xdotool type --delay 20 "Bare tea"
xdotool key Return
stored() { [[ $(sqlite3 -readonly "$store" "SELECT count(*) FROM Timers WHERE desc = 'Bare tea'") == 1 ]]; }
wait_until 20 stored || fail "the editor's timer was not stored"
said "No audio output could be opened"
quit_dunok
echo "PASS"
