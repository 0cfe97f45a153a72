#!/usr/bin/env bash
# Bringing the window forward under a real window manager (openbox): with
# another program's window in front, a finishing timer brings Dunok's window to
# the front with the keyboard focus, so that the next key the user presses
# goes to Dunok (Return silences the ringing row); the same from a closed
# window (test_bare_session brings a minimised one back).
here=$(dirname "$0")
source "$here/lib.sh"
source "$here/desktop.sh"
dunok=$1
open_desktop sound wm
write_prefs prefsSendNotification=false prefsQuietWithMouse=false prefsBringToFront=true
make_store "$dunok" "INSERT INTO Timers (desc, duration, sound) VALUES
    ('Quick egg', 3, 'Vintage Alarm Clock'), ('Slow stew', 3600, 'Vintage Alarm Clock')"
start dunok env QT_QPA_PLATFORM=xcb "$dunok"
app=$pid
wait_until 60 have_main_window || fail "no Dunok window appeared"
window=$(main_window)
xdotool windowactivate --sync "$window"
xdotool key Down Up

start other xmessage -name other -geometry 900x700+0+0 "another program"
other_window() { xdotool search --onlyvisible --classname other 2>/dev/null | head -1; }
wait_until 10 other_window >/dev/null || fail "the other program showed no window"
other=$(other_window)
[[ -n $other ]] || fail "the other program showed no window"

# The client on top of the window manager's stacking list.
topmost() { xprop -root _NET_CLIENT_LIST_STACKING | sed 's/.*, //; s/.*# //'; }
as_hex() { printf '0x%x' "$1"; }
active_is() { [[ $(xdotool getactivewindow 2>/dev/null) == "$1" ]]; }
# A closed window comes back as a new X window: looked up each time.
dunok_in_front() {
    window=$(main_window)
    [[ -n $window ]] && active_is "$window" && (($(topmost) == $(as_hex "$window")))
}
# finish_in_front WHAT: starts the quick timer, puts the other program in
# front (after WHAT was done to Dunok's window), and waits for the finish.
finish_in_front() {
    wait_until 10 sound_stopped || fail "$1: an earlier alarm still rings"
    xdotool windowactivate --sync "$window"
    xdotool key Return
    case $1 in
        closed) wmctrl -c Dunok; wait_until 10 main_window_gone || fail "closed: it stayed" ;;
    esac
    xdotool windowactivate --sync "$other"
    wait_until 5 active_is "$other" || fail "$1: the other program did not get in front"
    wait_until 20 sound_playing || fail "$1: the timer did not ring"
    wait_until 10 dunok_in_front || fail "$1: Dunok's window was not brought in front with the focus"
    # The user's next key reaches Dunok: Return on the ringing row silences it.
    xdotool key Return
    wait_until 10 sound_stopped || fail "$1: the key did not reach Dunok's list"
}
sound_stopped() { ! sound_playing; }

finish_in_front behind
finish_in_front closed
stop "$app"
echo "PASS"
