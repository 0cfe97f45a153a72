#!/usr/bin/env bash
# Dragging a timer to a new place while timers run, with the mouse on the
# real program: the running timer moves with its row and goes on counting
# there, the command line still finds it by name, and the new order is what
# the next start shows.
here=$(dirname "$0")
source "$here/lib.sh"
source "$here/desktop.sh"
dunok=$1
open_desktop a11y wm
write_prefs prefsSendNotification=false prefsQuietWithMouse=false prefsBringToFront=false \
    prefsSort=0 prefsCountdownDigits=true
make_store "$dunok" "INSERT INTO Timers (desc, duration, sound, position) VALUES
    ('Alpha', 600, 'Chimes', 1), ('Beta', 1200, 'Chimes', 2), ('Gamma', 1800, 'Chimes', 3)"
launch() {
    start dunok env QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$dunok"
    app=$pid
    wait_until 60 have_main_window || fail "no Dunok window appeared"
    wait_until 30 probe ready >/dev/null || fail "Dunok did not come onto the accessibility bus"
}
names() { probe rows | cut -f1 | paste -sd, -; }
launch
[[ $(names) == "Alpha,Beta,Gamma" ]] || fail "the list starts as $(names)"

"$dunok" --start Gamma >/dev/null || fail "Gamma did not start"
counting() { [[ $(probe cell "$1" 1) =~ ^00:(29|30):[0-9]{2}$ ]]; }
wait_until 10 counting 2 || fail "Gamma's row reads '$(probe cell 2 1)'"

# Gamma's row, dragged with the mouse to just above Alpha's.
read -r fx fy < <(probe where 2)
read -r tx ty < <(probe where 0)
# Rows take a drop just inside their top edge; a drop onto a row's middle
# is no move. Rows are all the same height.
((drop_y = ty - (fy - ty) / 4 + 3))
echo "dragging from $fx,$fy to $tx,$drop_y"
xdotool windowactivate --sync "$(main_window)"
xdotool mousemove --sync "$fx" "$fy"
sleep 0.2
xdotool mousedown 1
# In small steps, as a hand moves: the drag starts after a few pixels, and
# the list then follows the pointer until the button is let go.
for step in $(seq 1 20); do
    xdotool mousemove "$fx" $((fy - (fy - drop_y) * step / 20))
    sleep 0.05
done
sleep 0.3
xdotool mouseup 1
wait_until 10 eval '[[ $(names) == "Gamma,Alpha,Beta" ]]' || fail "after the drag the list is $(names)"
# Still counting, now in the first row, and the other rows stopped.
first=$(probe cell 0 1)
wait_until 5 eval '[[ $(probe cell 0 1) != "$first" ]] && counting 0' ||
    fail "Gamma's moved row reads '$(probe cell 0 1)'"
[[ $(probe cell 1 1) == 10m && $(probe cell 2 1) == 20m ]] ||
    fail "the other rows read '$(probe cell 1 1)', '$(probe cell 2 1)'"
"$dunok" --list | grep -qP '^Gamma\trunning\t29:' || fail "--list: $("$dunok" --list)"
"$dunok" --stop Gamma >/dev/null || fail "Gamma could not be stopped by name after the drag"

stop "$app"
launch
[[ $(names) == "Gamma,Alpha,Beta" ]] || fail "the next start shows $(names)"
stop "$app"
echo "PASS"
