#!/usr/bin/env bash
# As a screen reader reads it: a running timer dragged to a new place goes on counting there,
# the command line still finds it by name, the next start shows the new order, the status line
# follows a start, and every control of the window, the editor and its calendar has a name.
source "$(dirname "$0")/lib.sh"
open_desktop a11y wm
write_prefs prefsSendNotification=false prefsBringToFront=false prefsSort=0 prefsCountdownDigits=true
make_store "INSERT INTO Timers (desc, duration, sound, position) VALUES
    ('Alpha', 600, 'Chimes', 1), ('Beta', 1200, 'Chimes', 2), ('Gamma', 1800, 'Chimes', 3)"
names_are() { [[ $(probe rows | cut -f1 | paste -sd, -) == "$1" ]]; }
launch QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
names_are "Alpha,Beta,Gamma" || fail "the list starts as $(probe rows)"
"$dunok" --start Gamma >/dev/null || fail "Gamma did not start"
counting() { [[ $(probe cell "$1" 1) =~ ^00:(29|30):[0-9]{2}$ ]]; }
wait_until 10 counting 2 || fail "Gamma's row reads '$(probe cell 2 1)'"
# Gamma's row, to just inside the top edge of Alpha's (a drop onto a row's middle is no move).
read -r fx fy < <(probe where 2)
read -r tx ty < <(probe where 0)
((drop_y = ty - (fy - ty) / 4 + 3))
xdotool windowactivate --sync "$(main_window)"
xdotool mousemove --sync "$fx" "$fy"
sleep 0.2
xdotool mousedown 1
# In small steps, as a hand moves: the drag starts after a few pixels.
for step in $(seq 1 20); do
    xdotool mousemove "$fx" $((fy - (fy - drop_y) * step / 20))
    sleep 0.05
done
sleep 0.3
xdotool mouseup 1
wait_until 10 names_are "Gamma,Alpha,Beta" || fail "after the drag the list is $(probe rows)"
# Still counting, now in the first row, and the other rows stopped.
first=$(probe cell 0 1)
wait_until 5 eval '[[ $(probe cell 0 1) != "$first" ]] && counting 0' ||
    fail "Gamma's moved row reads '$(probe cell 0 1)'"
[[ $(probe cell 1 1) == 10m && $(probe cell 2 1) == 20m ]] ||
    fail "the other rows read '$(probe cell 1 1)', '$(probe cell 2 1)'"
row Gamma | grep -qP '^Gamma\trunning\t29:' || fail "--list: $("$dunok" --list)"
"$dunok" --stop Gamma >/dev/null || fail "Gamma could not be stopped by name after the drag"
quit_dunok
launch QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
names_are "Gamma,Alpha,Beta" || fail "the next start shows $(probe rows)"
"$dunok" --start Alpha >/dev/null || fail "Alpha did not start"
wait_until 10 eval '[[ $(probe status) == "1 active timer" ]]' ||
    fail "the status line reads '$(probe status)' with a timer started"
probe check-main >"$work/names-main.log" || fail "the main window has a control without a name"
probe press Add >/dev/null || fail "the Add button could not be pressed"
wait_until 10 have_editor || fail "Add opened no editor"
probe check-editor >"$work/names-editor.log" || fail "the editor has a control without a name"
probe check-calendar >"$work/names-calendar.log" || fail "the calendar has a control without a name"
quit_dunok
echo "PASS"
