#!/usr/bin/env bash
# The whole road a user takes: Dunok on a real X display and its own session
# bus, a real double-click on a short timer's row, and the finished timer's
# notification on the bus. Then an orderly quit that keeps the store.
source "$(dirname "$0")/lib.sh"
dunok=$1
build=${2:-.}
setup_home
start_xvfb
# A bus of its own, with nothing on it that could answer for notifications:
# the Notify call shows on the bus all the same.
start_session_bus bare
unset WAYLAND_DISPLAY
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=0}
store=$XDG_DATA_HOME/Dunok/TimerModel.sqlite
prefs=$XDG_CONFIG_HOME/Dunok/Dunok.conf

# Anything that went wrong on screen is easier to see than to guess, so a
# failure leaves a picture of the display and Dunok's output behind.
die() {
    import -window root "$build/test_end_to_end-failure.png" 2>/dev/null || true
    echo "--- dunok output:" >&2
    cat "$work"/dunok*.log >&2 2>/dev/null || true
    fail "$* (screen in $build/test_end_to_end-failure.png)"
}

# Known preferences: not a first run, so no default timers are added, and the
# list sorted by duration, so the short timer is the first row.
mkdir -p "$(dirname "$prefs")"
cat >"$prefs" <<'EOF'
[General]
havePrefs=100
prefsNewDatabase=false
prefsSort=1
prefsDefSound=Vintage Alarm Clock
prefsBringToFront=true
prefsSendNotification=true
prefsVolume=0.5
prefsHideWhenTimerStarts=false
prefsLargeRows=true
prefsQuietWithMouse=false
prefsCountdownDigits=true
EOF

# Dunok makes the store itself, so the test uses the schema the program
# really writes; the timers are then added behind its back.
has_timer_table() { test -s "$store" && sqlite3 -readonly "$store" 'SELECT 1 FROM Timers' >/dev/null 2>&1; }
QT_QPA_PLATFORM=offscreen "$dunok" >"$work/dunok-prepare.log" 2>&1 &
prepare=$!
pids_to_stop+=("$prepare")
wait_until 20 has_timer_table || die "Dunok made no store"
kill -TERM "$prepare"
wait_until 20 process_gone "$prepare" || die "SIGTERM did not end the first Dunok"
wait "$prepare" && status=0 || status=$?
[[ $status -eq 0 ]] || die "the first Dunok ended with status $status"
[[ $(sqlite3 -readonly "$store" 'SELECT count(*) FROM Timers') == 0 ]] ||
    die "default timers were added although the preferences said not to"
sqlite3 "$store" "INSERT INTO Timers (desc, duration, sound) VALUES
    ('Slow stew', 3600, 'Vintage Alarm Clock'), ('Quick egg', 2, 'Vintage Alarm Clock')"

# Only the calls matter; dbus-monitor prints each message as it passes.
dbus-monitor --session \
    "type='method_call',interface='org.freedesktop.Notifications',member='Notify'" \
    >"$work/bus.log" 2>&1 &
pids_to_stop+=("$!")
# The monitor's greeting from the bus shows it is listening.
wait_until 10 test -s "$work/bus.log" || die "dbus-monitor did not start"

QT_QPA_PLATFORM=xcb "$dunok" >"$work/dunok.log" 2>&1 &
app=$!
pids_to_stop+=("$app")
wid=$(timeout 20 xdotool search --sync --onlyvisible --name '^Dunok$' | head -1) ||
    die "no Dunok window appeared"
[[ -n $wid ]] || die "no Dunok window appeared"
geometry=$(xdotool getwindowgeometry --shell "$wid")
width=$(sed -n 's/^WIDTH=//p' <<<"$geometry")
height=$(sed -n 's/^HEIGHT=//p' <<<"$geometry")
# Within the name column but right of any short name.
column=$(( width * 45 / 100 ))

# Toolbar and header heights depend on fonts and icons, so the first row is
# found on screen rather than computed: it is the first band of the list's
# white at least 30 px high (rows alternate white and grey; the toolbar and
# header are shaded). The pointer is moved off the window so no hover shows.
find_first_row() {
    xdotool mousemove 1020 760
    row_top=$(import -window "$wid" -crop "1x${height}+${column}+0" -depth 8 txt:- 2>/dev/null |
        awk -F'[,:]' 'BEGIN { start = -1 }
            NR > 1 {
                if ($0 ~ /#FFFFFF/) {
                    if (start < 0) start = $2
                    if ($2 - start + 1 >= 30) { print start; exit }
                } else start = -1
            }')
    [[ -n $row_top ]]
}
wait_until 10 find_first_row || die "no list row was found in the window"

clicked=$(date +%s.%N)
xdotool mousemove --window "$wid" "$column" $(( row_top + 15 )) click --repeat 2 --delay 80 1

# Each Notify call as "time|summary|first line of the body". Its string
# arguments come in the order app name, icon, summary, body.
notifications() {
    awk '/^method call .*member=Notify/ {
            if (n) print t "|" s "|" b
            n = 1; c = 0; s = ""; b = ""
            match($0, /time=[0-9.]+/); t = substr($0, RSTART + 5, RLENGTH - 5); next
        }
        n && /^   string "/ {
            c++; v = $0; sub(/^   string "/, "", v); sub(/"$/, "", v)
            if (c == 3) s = v; else if (c == 4) b = v
        }
        END { if (n) print t "|" s "|" b }' "$work/bus.log"
}
egg_notified() { notifications | grep -q '|Quick egg|Duration was 2s$'; }
wait_until 15 egg_notified ||
    die "no notification for the short timer; calls seen: $(notifications)"
! notifications | grep -q '|Slow stew|' || die "the wrong row was started: $(notifications)"
rang=$(notifications | grep '|Quick egg|' | head -1 | cut -d'|' -f1)
# The timer must have counted down its two seconds, not rung at once.
awk -v a="$clicked" -v b="$rang" 'BEGIN { exit !(b - a >= 1.5) }' ||
    die "the notification came $(awk -v a="$clicked" -v b="$rang" 'BEGIN { print b - a }') s after the click"
kill -0 "$app" 2>/dev/null || die "Dunok did not survive its alarm"

kill -TERM "$app"
wait_until 20 process_gone "$app" || die "SIGTERM did not end Dunok"
wait "$app" && status=0 || status=$?
[[ $status -eq 0 ]] || die "Dunok ended with status $status after SIGTERM"
stored=$(sqlite3 -readonly "$store" 'SELECT desc || "|" || duration FROM Timers ORDER BY duration')
[[ $stored == $'Quick egg|2\nSlow stew|3600' ]] || die "the store changed: $stored"
echo "PASS"
