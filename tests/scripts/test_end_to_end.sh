#!/usr/bin/env bash
# The whole road a user takes: Dunok on a real X display, a real double-click on
# a short timer's row, the finished timer's notification on the session bus, and
# an orderly quit that keeps the store.
source "$(dirname "$0")/lib.sh"
dunok=$1
setup_home
start_xvfb
start_session_bus
store=$XDG_DATA_HOME/Dunok/TimerModel.sqlite
# Not a first run, so no default timers, and the list sorted by duration.
mkdir -p "$XDG_CONFIG_HOME/Dunok"
printf '[General]\nhavePrefs=100\nprefsSort=1\nprefsSendNotification=true\n' \
    >"$XDG_CONFIG_HOME/Dunok/Dunok.conf"

# Dunok makes the store with the schema it really writes; the timers are then
# added behind its back.
has_timer_table() { sqlite3 -readonly "$store" 'SELECT 1 FROM Timers' >/dev/null 2>&1; }
start prepare env QT_QPA_PLATFORM=offscreen "$dunok"
wait_until 20 has_timer_table || fail "Dunok made no store"
stop "$pid"
sqlite3 "$store" "INSERT INTO Timers (desc, duration, sound) VALUES
    ('Slow stew', 3600, 'Vintage Alarm Clock'), ('Quick egg', 2, 'Vintage Alarm Clock')"

start bus dbus-monitor --session "interface='org.freedesktop.Notifications',member='Notify'"
wait_until 10 test -s "$work/bus.log" || fail "dbus-monitor did not start"
start dunok env QT_QPA_PLATFORM=xcb "$dunok"
app=$pid
wid=$(first_window) || fail "no Dunok window appeared"
eval "$(xdotool getwindowgeometry --shell "$wid")"
column=$((WIDTH * 45 / 100)) # within the name column, right of a short name

# Toolbar and header heights depend on fonts and icons, so the first row is
# found on screen: the first band of the list's white at least 30 px high (rows
# alternate white and grey; toolbar and header are shaded). The pointer is moved
# off the window so that no row shows a hover.
find_first_row() {
    xdotool mousemove 1020 760
    row_top=$(import -window "$wid" -crop "1x${HEIGHT}+${column}+0" -depth 8 txt:- 2>/dev/null |
        awk -F'[,:]' 'BEGIN { start = -1 } NR > 1 {
            if ($0 !~ /#FFFFFF/) start = -1
            else if (start < 0) start = $2
            if (start >= 0 && $2 - start + 1 >= 30) { print start; exit } }')
    [[ -n $row_top ]]
}
wait_until 10 find_first_row || fail "no list row was found in the window"
clicked=$(date +%s%N)
xdotool mousemove --window "$wid" "$column" $((row_top + 15)) click --repeat 2 --delay 80 1

# The strings of each Notify call: app name, icon, summary, body.
notified() { grep -A6 'member=Notify' "$work/bus.log" | grep -q "^   string \"$1"; }
wait_until 15 notified 'Quick egg"' || fail "no notification for the short timer"
# Counted down its two seconds rather than rung at once.
(($(date +%s%N) - clicked >= 1500000000)) || fail "the notification came too soon"
notified 'Duration was 2s' || fail "the notification does not give the duration"
! notified 'Slow stew' || fail "the wrong row was started"

stop "$app"
stored=$(sqlite3 -readonly "$store" 'SELECT desc || "|" || duration FROM Timers ORDER BY duration')
[[ $stored == $'Quick egg|2\nSlow stew|3600' ]] || fail "the store changed: $stored"
echo "PASS"
