#!/usr/bin/env bash
# A routine on the real program and a real notification daemon: the pomodoro, imported from a
# file at a second for each 5 minutes (Work 5 s starts Break 1 s, Break starts Work, four rounds
# from Work). The listing shows the round; every finish is told, each but the last saying what
# starts, and then nothing runs.
source "$(dirname "$0")/lib.sh"
open_desktop sound notices
export QT_QPA_PLATFORM=offscreen
write_prefs prefsSendNotification=true prefsQuietWithMouse=false prefsBringToFront=false
cat >"$work/pomodoro.json" <<'EOF'
{"format": "dunok-timers", "version": 1, "timers": [
  {"description": "Work", "seconds": 5, "sound": "Chimes",
   "whenFinished": {"then": "start", "times": 4, "timer": "Break"}},
  {"description": "Break", "seconds": 1, "sound": "Chimes",
   "whenFinished": {"then": "start", "timer": "Work"}}]}
EOF
"$dunok" --import "$work/pomodoro.json" >/dev/null || fail "the routine was not imported"
start notify dbus-monitor --session "type='method_call',interface='org.freedesktop.Notifications',member='Notify'"
start dunok "$dunok" && app=$pid
wait_until 30 bus_has_owner org.dunok.Dunok || fail "Dunok did not answer on the bus"
"$dunok" --start Work >/dev/null || fail "Work did not start"
row Work | grep -qP '^Work\trunning\t0:0[45]\tround 1/4$' || fail "Work lists as $(row Work)"
wait_until 10 eval 'row Break | grep -qP "\trunning\t0:0[01]\tround [1-4]/4$"' ||
    fail "Work's finish started no Break: $("$dunok" --list)"
running() { "$dunok" --list | grep -qP '\t(running|paused)\t'; }
wait_until 60 eval '! running' || fail "the routine did not end: $("$dunok" --list)"
# Without a tray, the window closed as Work starts also says once how to get it back.
notified() {
    local all notes
    all=$(grep -c 'member=Notify' "$work/notify.log") || true
    notes=$(grep -c 'Dunok keeps running' "$work/notify.log") || true
    echo $((all - notes))
}
wait_until 10 eval '[[ $(notified) -ge 8 ]]' || fail "$(notified) finishes were told, not 8"
quit_dunok # nothing more can be told after this
[[ $(notified) -eq 8 ]] || fail "$(notified) finishes were told, not 8"
[[ $(grep -c 'Break starts, 0:01' "$work/notify.log") -eq 4 &&
    $(grep -c 'Work starts, 0:05' "$work/notify.log") -eq 3 ]] ||
    fail "the finishes said: $(grep -o '[A-Za-z]* starts, [0-9:]*' "$work/notify.log" | tr '\n' ' ')"
# For the record, not checked: when each finish reached the bus, from the first.
echo "finishes told at: $(grep 'member=Notify' "$work/notify.log" | grep -o 'time=[0-9.]*' |
    awk -F= 'NR == 1 { t = $2 } { printf "%.3f ", $2 - t }') s"
