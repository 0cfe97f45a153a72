#!/usr/bin/env bash
# A finished timer's notification on a real notification daemon (dunst, as
# Debian ships it, on a private display and bus): it is shown, it stays while
# a plain notification beside it expires, and its default action, invoked
# after the user closed the window, brings the window back, silences the
# alarm that still rings and takes the notification off the screen. Dismissed
# instead (what a plain click does with Debian's settings for dunst), it
# silences the alarm and leaves the window alone. For a timer that snoozes, the
# daemon's own action menu offers "Snooze 1m" and "Stop": Snooze silences it
# and runs the timer again (the launcher count says so), Stop silences it.
here=$(dirname "$0")
source "$here/lib.sh"
source "$here/desktop.sh"
dunok=$1
open_desktop sound wm
# The daemon's own configuration as Debian installs it, except that its action
# menu, normally dmenu, picks the entry named in $work/pick; it starts by
# owning the notification service on the bus.
printf '#!/bin/sh\ngrep -m1 -F "$(cat %s)"\n' "$work/pick" >"$work/menu"
chmod +x "$work/menu"
sed "s|^ *dmenu = .*|    dmenu = $work/menu|" /etc/xdg/dunst/dunstrc >"$work/dunstrc"
start dunst dunst -config "$work/dunstrc"
notification_service_up() {
    dbus-send --session --print-reply --dest=org.freedesktop.DBus /org/freedesktop/DBus \
        org.freedesktop.DBus.NameHasOwner string:org.freedesktop.Notifications |
        grep -q 'boolean true'
}
wait_until 20 notification_service_up || fail "dunst did not take the notification service"

write_prefs prefsSendNotification=true prefsQuietWithMouse=false prefsBringToFront=true
make_store "$dunok" "INSERT INTO Timers (desc, duration, sound) VALUES
    ('Quick egg', 2, 'Vintage Alarm Clock'), ('Slow stew', 3600, 'Vintage Alarm Clock');
    INSERT INTO Timers (desc, duration, sound, snoozeOn, snooze) VALUES
    ('Snoozy egg', 3, 'Vintage Alarm Clock', 1, 60)"
start launcher dbus-monitor --session "interface='com.canonical.Unity.LauncherEntry'"
launcher_count() { [[ $(grep -o 'int64 [0-9]*$' "$work/launcher.log" | tail -1) == "int64 $1" ]]; }
# The lines for developers tell when the daemon has answered.
start dunok env QT_QPA_PLATFORM=xcb QT_LOGGING_RULES="dunok.*.debug=true" "$dunok"
app=$pid
wait_until 60 have_main_window || fail "no Dunok window appeared"
window=$(main_window)
# Dunok has asked the daemon who it is before the alarm is due.
wait_until 30 grep -q "Permission granted" "$work/dunok.log" || fail "the daemon never answered Dunok"
xdotool windowactivate --sync "$window"
xdotool key Down Up Return

displayed() { [[ $(dunstctl count displayed) -ge $1 ]]; }
wait_until 30 displayed 1 || fail "the finish was not shown by the daemon"
on_screen() { [[ -n $(xdotool search --onlyvisible --classname dunst 2>/dev/null) ]]; }
wait_until 10 on_screen || fail "dunst counts the notification but shows no window"
wait_until 10 sound_playing || fail "the alarm was not heard"
grep -q "Notification Register Success" "$work/dunok.log" || fail "Dunok did not hear back from Notify"

# The user closes the window while the alarm rings (the window manager asks).
wmctrl -c Dunok
window_gone() { ! have_main_window; }
wait_until 10 window_gone || fail "the window did not close"

# A plain notification beside ours expires; ours must stay until acted on.
notify-send -t 300 "Something else" "expires at once"
wait_until 10 displayed 2 || fail "the plain notification was not shown"
only_history() { [[ $(dunstctl count displayed) -eq 0 ]]; }
only_ours_left() { [[ $(dunstctl count displayed) -eq 1 ]]; }
wait_until 20 only_ours_left || fail "the plain notification did not expire, or ours went with it"

sound_playing || fail "the alarm ended before the notification could be used"
dunstctl action 0  # the first notification's default action, as a click on it
wait_until 20 have_main_window || fail "the default action did not bring the window back"
silent() { ! sound_playing; }
wait_until 10 silent || fail "the alarm still rings after the notification was used"
[[ $(xdotool getactivewindow) == "$(main_window)" ]] || fail "the window came back without the focus"
# Acted on, it has left the screen for the daemon's history, as Dunok wrote it.
wait_until 10 only_history || fail "the notification stayed on screen after it was used"
history=$(dunstctl history)
grep -q '"Quick egg"' <<<"$history" || fail "the daemon showed no 'Quick egg': $history"
grep -q 'Duration was 2s' <<<"$history" || fail "the daemon showed no duration: $history"

# Once more, and this time the user dismisses it.
xdotool key Return
wait_until 30 displayed 1 || fail "the second finish was not shown"
wait_until 10 sound_playing || fail "the second alarm was not heard"
dunstctl close
wait_until 10 silent || fail "dismissing the notification left the alarm ringing"
have_main_window || fail "the window went away"

# The snoozing timer, with the daemon's menu used as a user would.
choose() {
    echo "$1" >"$work/pick"
    dunstctl context
}
xdotool key Down # the snoozy egg, below the quick one
# ring_snoozy WHAT: starts it and waits for its finish to ring and show.
ring_snoozy() {
    xdotool key Return
    wait_until 10 launcher_count 1 || fail "$1: the snoozy egg did not start"
    wait_until 10 launcher_count 0 || fail "$1: the snoozy egg did not finish"
    wait_until 30 displayed 1 || fail "$1: the snoozy egg's finish was not shown"
    wait_until 10 sound_playing || fail "$1: the snoozy egg was not heard"
}
ring_snoozy snooze
choose "Snooze 1m"
wait_until 10 silent || fail "Snooze left the alarm ringing"
wait_until 10 launcher_count 1 || fail "Snooze did not run the timer again"
wait_until 10 only_history || fail "Snooze left the notification on screen"
xdotool key Return # the snoozed run stops like any running timer
wait_until 10 launcher_count 0 || fail "the snoozed run did not stop"

ring_snoozy stop
choose "Stop"
wait_until 10 silent || fail "Stop left the alarm ringing"
wait_until 10 only_history || fail "Stop left the notification on screen"
launcher_count 0 || fail "Stop started the timer"

stop "$app"
echo "PASS"
