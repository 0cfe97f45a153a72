#!/usr/bin/env bash
# Dunok as a screen reader finds it on the accessibility bus: the ready-made
# timers as the list's rows and cells, a started timer counting down in its
# cell, the status line, and a spoken name for every control of the main
# window, the timer editor and its calendar.
source "$(dirname "$0")/lib.sh"
open_desktop a11y
launch QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 # a new user: the ready-made timers
probe rows >"$work/rows.log" || fail "the timer list could not be read"
(($(wc -l <"$work/rows.log") == 19)) || fail "the list reads as $(wc -l <"$work/rows.log") rows"
grep -qxF $'30 seconds\t30s' "$work/rows.log" || fail "no row reads '30 seconds  30s'"
[[ $(probe status) == "0 active timers" ]] || fail "the status line reads '$(probe status)'"

# The first timer, started from the keyboard, counts down in the clock form a
# new user has: 00:00:29, 00:00:28...
xdotool windowfocus --sync "$(main_window)"
xdotool key Down Up Return
below() { [[ $(probe cell 0 1) =~ ^00:00:([0-9]{2})$ ]] && ((10#${BASH_REMATCH[1]} < 10#$1)); }
wait_until 10 below 30 || fail "the started timer's cell reads '$(probe cell 0 1)'"
first=$(probe cell 0 1)
wait_until 5 below "${first##*:}" || fail "the countdown stays at '$first'"
[[ $(probe status) == "1 active timer" ]] || fail "the status line reads '$(probe status)'"

probe check-main >"$work/names-main.log" || fail "the main window has a control without a name"
probe press Add >/dev/null || fail "the Add button could not be pressed"
wait_until 10 have_editor || fail "Add opened no editor"
probe check-editor >"$work/names-editor.log" || fail "the editor has a control without a name"
probe check-calendar >"$work/names-calendar.log" || fail "the calendar has a control without a name"
quit_dunok
echo "PASS"
