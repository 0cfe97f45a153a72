#!/usr/bin/env bash
# Dunok as a screen reader finds it, read over the accessibility bus: the
# ready-made timers as the list's rows and cells, a started timer's countdown
# changing in its cell, the status line by what it says, and a name a screen
# reader can speak for every toolbar button, menu item and control of the timer
# editor and of its calendar.
here=$(dirname "$0")
source "$here/lib.sh"
source "$here/desktop.sh"
dunok=$1
open_desktop a11y
# A new user: the ready-made timers, in their own order.
start dunok env QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$dunok"
app=$pid
wait_until 60 have_main_window || fail "no Dunok window appeared"
wait_until 30 probe ready >/dev/null || fail "Dunok did not come onto the accessibility bus"

probe rows >"$work/rows.log" || fail "the timer list could not be read"
(($(wc -l <"$work/rows.log") == 19)) || fail "the list reads as $(wc -l <"$work/rows.log") rows"
for row in $'30 seconds\t30s' $'1 minute\t1m'; do
    grep -qxF "$row" "$work/rows.log" || fail "no row reads '$row'"
done
[[ $(probe status) == "0 active timers" ]] || fail "the status line reads '$(probe status)'"

# The first timer (30 seconds), started from the keyboard, counts down in its
# cell in the clock form a new user has: 00:00:29, 00:00:28...
xdotool windowfocus --sync "$(main_window)"
xdotool key Down Up Return
countdown() { probe cell 0 1; }
below() { [[ $(countdown) =~ ^00:00:([0-9]{2})$ ]] && ((10#${BASH_REMATCH[1]} < 10#$1)); }
wait_until 10 below 30 || fail "the started timer's cell reads '$(countdown)', no countdown"
first=$(countdown)
wait_until 5 below "${first##*:}" || fail "the countdown stays at '$first'"
echo "the countdown read '$first', then '$(countdown)'"
[[ $(probe status) == "1 active timer" ]] || fail "the status line reads '$(probe status)'"

probe check-main >"$work/names-main.log" || fail "the main window has a control without a name"
probe press Add >/dev/null || fail "the Add button could not be pressed"
wait_until 10 have_editor || fail "Add opened no editor"
probe check-editor >"$work/names-editor.log" || fail "the editor has a control without a name"
probe check-calendar >"$work/names-calendar.log" || fail "the calendar has a control without a name"

stop "$app"
! has_crash_report "$work/dunok.log" || fail "Dunok reported a crash"
echo "PASS"
