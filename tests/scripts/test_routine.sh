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
# A listing under load can take a second or more, so the checks leave it time.
row Work | grep -qP '^Work\trunning\t0:0[1-5]\tround 1/4$' || fail "Work lists as $(row Work)"
# Every listing is kept with its exit status; one that failed says nothing of the routine, so
# the wait goes on, and the failure is shown in the test's output.
running() {
    local listed status=0
    listed=$("$dunok" --list 2>&1) || status=$?
    printf '%s status %s\n%s\n' "$(date +%s.%N)" "$status" "$listed" >>"$work/list.log"
    if ((status != 0)); then
        echo "a listing failed ($status): $listed" >&2
        return 0
    fi
    grep -qP '\t(running|paused)\t' <<<"$listed"
}
wait_until 60 eval '! running' || fail "the routine did not end: $("$dunok" --list)"
# Work's later rounds run five seconds each, long enough for some listing to see one.
grep -qP '^Work\trunning\t0:0[0-5]\tround [2-4]/4$' "$work/list.log" ||
    fail "no listing showed Work in a later round"
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
# The way-back note is left out, as in the count.
echo "finishes told at: $(awk '
    function told() { if (at != "" && !note) { if (t0 == "") t0 = at; printf "%.3f ", at - t0 } }
    /member=Notify/ { told(); match($0, /time=[0-9.]+/); at = substr($0, RSTART + 5, RLENGTH - 5); note = 0 }
    /Dunok keeps running/ { note = 1 }
    END { told() }' "$work/notify.log") s"
