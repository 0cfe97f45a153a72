#!/usr/bin/env bash
# Bringing the window forward under a real window manager: with another
# program's window in front, a finishing timer brings Dunok's window, open or
# closed before, to the front with the keyboard focus, so that the user's next
# key goes to Dunok (Return silences the ringing row). test_bare_session
# brings a minimised one back.
source "$(dirname "$0")/lib.sh"
open_desktop sound wm
write_prefs prefsSendNotification=false prefsQuietWithMouse=false prefsBringToFront=true
egg_store 3
launch
select_first_row
start other xmessage -name other -geometry 900x700+0+0 "another program"
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
echo "PASS"
