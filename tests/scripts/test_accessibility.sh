#!/usr/bin/env bash
# Dunok as a screen reader finds it on the accessibility bus: the ready-made
# timers as the list's rows and cells, the status line as timers start, and a
# spoken name for every control of the main window, the timer editor and its
# calendar. (test_drag_while_running reads a countdown in its cell.)
source "$(dirname "$0")/lib.sh"
open_desktop a11y
launch QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 # a new user: the ready-made timers
probe rows >"$work/rows.log" || fail "the timer list could not be read"
(($(wc -l <"$work/rows.log") == 19)) && grep -qxF $'30 seconds\t30s' "$work/rows.log" ||
    fail "the list reads as: $(cat "$work/rows.log")"
[[ $(probe status) == "0 active timers" ]] || fail "the status line reads '$(probe status)'"
xdotool windowfocus --sync "$(main_window)"
xdotool key Down Up Return
wait_until 10 eval '[[ $(probe status) == "1 active timer" ]]' ||
    fail "the status line reads '$(probe status)' with a timer started"

probe check-main >"$work/names-main.log" || fail "the main window has a control without a name"
probe press Add >/dev/null || fail "the Add button could not be pressed"
wait_until 10 have_editor || fail "Add opened no editor"
probe check-editor >"$work/names-editor.log" || fail "the editor has a control without a name"
probe check-calendar >"$work/names-calendar.log" || fail "the calendar has a control without a name"
quit_dunok
echo "PASS"
