#!/usr/bin/env bash
# A finish's notification on a real daemon: it outlasts a plain one; used, it brings the closed
# window back and silences; dismissed, it silences; its menu's "Snooze 1m", "+1 min" and "Stop"
# work. The launcher entry shows a run's progress while it runs and hides it once it stops.
source "$(dirname "$0")/lib.sh"
# With a tray, closing the window leaves the daemon to the finish alone.
open_desktop sound wm tray
# Debian's configuration of the daemon, but its action menu picks the entry named in $work/pick.
printf '#!/bin/sh\ngrep -m1 -F "$(cat %s)"\n' "$work/pick" >"$work/menu"
chmod +x "$work/menu"
sed "s|^ *dmenu = .*|    dmenu = $work/menu|" /etc/xdg/dunst/dunstrc >"$work/dunstrc"
# Dunok's icon where an install puts it: a daemon that looks a missing icon up through every
# theme is slow to do anything else meanwhile.
mkdir -p "$XDG_DATA_HOME/icons/hicolor/48x48/apps"
cp "$build/generated/icons/dunok-48.png" "$XDG_DATA_HOME/icons/hicolor/48x48/apps/org.dunok.Dunok.png"
cp /usr/share/icons/hicolor/index.theme "$XDG_DATA_HOME/icons/hicolor/"
start_notification_daemon "$work/dunstrc"
# The alarm rings until it is acted on: the sound alone lasts a few seconds, less than a busy
# machine may take to close the window and show and expire another notification meanwhile.
write_prefs prefsSendNotification=true prefsQuietWithMouse=false prefsBringToFront=true \
    prefsRepeatAlarm=true
egg_store 2 "INSERT INTO Timers (desc, duration, sound, snoozeOn, snooze) VALUES
    ('Snoozy egg', 3, 'Vintage Alarm Clock', 1, 60)"
start launcher dbus-monitor --session "interface='com.canonical.Unity.LauncherEntry'"
launcher_count() { [[ $(grep -o 'int64 [0-9]*$' "$work/launcher.log" | tail -1) == "int64 $1" ]]; }
# launcher_updates FROM: the launcher entry's updates from that line of the log on, one a line
# ("progress=0.016 progress-visible=true").
launcher_updates() {
    awk -v from="$1" 'NR < from { next }
        /member=Update$/ { if (n++) print line; line = ""; next }
        /dict entry\(/ { want = 1; next }
        want && /string "/ { split($0, q, "\""); key = q[2]; want = 0; next }
        /variant/ && n { line = line (line == "" ? "" : " ") key "=" $NF }
        END { if (n) print line }' "$work/launcher.log"
}
# Since FROM: a shown progress that stays within 0 to 1 and has grown from one update to the next.
progress_grew() {
    launcher_updates "$1" | awk '/progress-visible=true/ { match($0, /progress=[^ ]*/)
        p = substr($0, RSTART + 9, RLENGTH - 9) + 0
        if (p < 0 || p > 1 || (seen && p < last)) bad = 1
        if (seen && p > last) grew = 1
        seen = 1; last = p }
        END { exit !(grew && !bad) }'
}
progress_hidden() { launcher_updates "$1" | grep progress-visible | tail -1 | grep -q =false; }
displayed() { [[ $(dunstctl count displayed) -eq $1 ]]; }
# The lines for developers tell that the daemon answered before the alarm is due.
launch QT_LOGGING_RULES="dunok.*.debug=true"
wait_until 30 grep -q "Permission granted" "$work/dunok.log" || fail "the daemon never answered Dunok"
select_first_row
xdotool key Return
wait_until 30 displayed 1 || fail "the finish was not shown by the daemon"
wait_until 10 sound_playing || fail "the alarm was not heard"
grep -q "Notification Register Success" "$work/dunok.log" || fail "Dunok did not hear back from Notify"
wmctrl -c Dunok # the user closes the window while the alarm rings
wait_until 10 main_window_gone || fail "the window did not close"
# A plain notification beside ours expires; ours must stay until acted on.
notify-send -t 300 "Something else" "expires at once"
wait_until 10 displayed 2 || fail "the plain notification was not shown"
wait_until 20 displayed 1 || fail "the plain notification did not expire, or ours went with it"
sound_playing || fail "the alarm ended before the notification could be used"
dunstctl action 0 # the first notification's default action, as a click on it
wait_until 20 have_main_window || fail "the default action did not bring the window back"
wait_until 10 silent || fail "the alarm still rings after the notification was used"
[[ $(xdotool getactivewindow) == "$(main_window)" ]] || fail "the window came back without the focus"
# Acted on, it has left the screen for the daemon's history, as Dunok wrote it.
wait_until 10 displayed 0 || fail "the notification stayed on screen after it was used"
dunstctl history | grep -q 'Duration was 2s' || fail "the daemon's history has no 'Duration was 2s'"
xdotool key Return
wait_until 30 displayed 1 || fail "the second finish was not shown"
wait_until 10 sound_playing || fail "the second alarm was not heard"
dunstctl close
wait_until 10 silent || fail "dismissing the notification left the alarm ringing"
have_main_window || fail "the window went away"
# The snoozing timer, below the quick one, with the daemon's menu used as a user would.
xdotool key Down
for choice in "Snooze 1m" "+1 min" Stop; do
    xdotool key Return
    wait_until 10 launcher_count 1 || fail "$choice: the snoozy egg did not start"
    wait_until 10 launcher_count 0 || fail "$choice: the snoozy egg did not finish"
    wait_until 30 displayed 1 || fail "$choice: the snoozy egg's finish was not shown"
    wait_until 10 sound_playing || fail "$choice: the snoozy egg was not heard"
    echo "$choice" >"$work/pick"
    from=$(($(wc -l <"$work/launcher.log") + 1))
    dunstctl context
    wait_until 10 silent || fail "$choice left the alarm ringing"
    wait_until 10 displayed 0 || fail "$choice left the notification on screen"
    [[ $choice == Stop ]] && break
    wait_until 10 launcher_count 1 || fail "$choice did not run the timer again"
    # A minute, not the egg's own three seconds again.
    row "Snoozy egg" | grep -qP '\trunning\t(0:5\d|1:00)$' ||
        fail "$choice left the snoozy egg at '$(row "Snoozy egg")'"
    wait_until 10 progress_grew "$from" ||
        fail "$choice: no growing progress from the launcher entry: $(launcher_updates "$from")"
    xdotool key Return # the run stops like any running timer
    wait_until 10 launcher_count 0 || fail "$choice: the run did not stop"
    wait_until 10 progress_hidden "$from" ||
        fail "$choice: the progress stayed shown after the stop: $(launcher_updates "$from")"
done
launcher_count 0 || fail "Stop started the timer"
quit_dunok
echo "PASS"
