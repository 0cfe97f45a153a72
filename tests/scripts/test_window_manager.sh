#!/usr/bin/env bash
# With another program in front, a finish brings Dunok's window, open or closed, to the front
# with the focus, so that the next key goes to Dunok. Then without the desktop's services it says
# what it goes without, a finish brings the minimised window back, and the editor still saves.
source "$(dirname "$0")/lib.sh"
open_desktop sound wm
write_prefs prefsSendNotification=false prefsQuietWithMouse=false prefsBringToFront=true
egg_store 3
launch
select_first_row
start other xmessage -name other -geometry 900x700+0+0 "another program"
other_pid=$pid
other_window() { xdotool search --onlyvisible --classname other 2>/dev/null | head -1; }
wait_until 10 other_window >/dev/null || fail "the other program showed no window"
other=$(other_window)
active_is() { [[ $(xdotool getactivewindow 2>/dev/null) == "$1" ]]; }
# Active, and the client on top of the window manager's stacking list (a
# closed window comes back as a new X window: looked up each time).
dunok_in_front() {
    local window
    window=$(main_window)
    [[ -n $window ]] && active_is "$window" &&
        (($(xprop -root _NET_CLIENT_LIST_STACKING | sed 's/.*, //; s/.*# //') == window))
}
for before in open closed; do
    wait_until 10 silent || fail "$before: an earlier alarm still rings"
    xdotool windowactivate --sync "$(main_window)"
    xdotool key Return
    if [[ $before == closed ]]; then
        wmctrl -c Dunok
        wait_until 10 main_window_gone || fail "closed: it stayed"
    fi
    xdotool windowactivate --sync "$other"
    wait_until 5 active_is "$other" || fail "$before: the other program did not get in front"
    wait_until 20 sound_playing || fail "$before: the timer did not ring"
    wait_until 10 dunok_in_front || fail "$before: Dunok's window was not brought in front with the focus"
    xdotool key Return
    wait_until 10 silent || fail "$before: the key did not reach Dunok's list"
done
quit_dunok
kill "$other_pid"
write_prefs prefsSendNotification=true prefsQuietWithMouse=false prefsBringToFront=true
# Sockets that nothing listens on, as when the services died.
export DBUS_SESSION_BUS_ADDRESS=unix:path=$work/no-bus PULSE_SERVER=unix:$work/no-sound-server
rm -rf "$XDG_RUNTIME_DIR" && unset XDG_RUNTIME_DIR
launch
said() { grep -q "$1" "$work/dunok.log" || fail "Dunok did not say \"$1...\""; }
said "No D-Bus session bus"
select_first_row
xdotool key Return # starts the quick egg
xdotool windowminimize --sync "$(main_window)"
wait_until 5 main_window_gone || fail "the window did not minimise"
# Only the finish can bring the window back.
wait_until 20 have_main_window || fail "the timer's finish did not bring the window back"
# Told once, before the first finish, not at each notification that cannot be sent.
(($(grep -c "Notifications are off" "$work/dunok.log") == 1)) || fail "no notice, or one per finish"
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
