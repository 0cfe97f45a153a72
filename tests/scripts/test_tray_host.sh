#!/usr/bin/env bash
# In a real XEmbed tray: the icon is embedded, counts running timers, its tooltip lists them
# soonest first and the paused after them, its menu and a click bring the window back, and
# --hidden shows only the icon.
source "$(dirname "$0")/lib.sh"
open_desktop wm tray a11y
write_prefs prefsSendNotification=false prefsBringToFront=false
# By name, so that the list's order is not the order in which they ring.
sed -i 's/^prefsSort=1$/prefsSort=2/' "$XDG_CONFIG_HOME/Dunok/Dunok.conf"
make_store "INSERT INTO Timers (desc, duration, sound) VALUES ('Tea', 1800, 'Chimes'),
    ('Stew', 3000, 'Chimes'), ('Rice', 1200, 'Chimes')"
launch QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
wait_until 30 have_tray_icon || fail "no icon appeared in the tray"
icon=$(tray_icon_window)
[[ $(xwininfo -id "$icon" -tree | sed -n 's/.*Parent window id: \(0x[0-9a-f]*\).*/\1/p') != \
    $(xwininfo -root | sed -n 's/.*Window id: \(0x[0-9a-f]*\).*/\1/p') ]] ||
    fail "the icon is a top-level window, not embedded in the tray"
# Pixels of the count's red disc in the icon as the tray shows it.
red_pixels() {
    import -window "$icon" -depth 8 txt:- 2>/dev/null |
        awk -F'[()]' 'NR > 1 { split($2, c, ","); if (c[1] > 170 && c[2] < 90 && c[3] < 90) n++ }
                      END { print n + 0 }'
}
((($(red_pixels)) == 0)) || fail "the icon shows a count with no timer running"
# The tooltip shown while the pointer rests on the icon, its lines joined by "|", as the
# accessibility bus reads it to a user.
tooltip_text() {
    xdotool mousemove 500 400 # away, until the last hover's tooltip has gone
    wait_until 10 eval '! window_of_type TOOLTIP >/dev/null' || return 1
    xdotool mousemove --window "$icon" 10 10 mousemove_relative 1 1
    wait_until 10 window_of_type TOOLTIP >/dev/null && probe tooltip | paste -sd '|'
}
wait_until 20 eval '[[ $(tooltip_text) == Dunok ]]' || fail "the idle tooltip reads '$(tooltip_text)'"
select_first_row
xdotool key Return Down Return Down Return # all three start
wait_until 10 eval '(($(red_pixels) > 10))' || fail "the icon does not count the running timers"
# Closed, the window comes back from the menu's first entry, and from a click.
wmctrl -c Dunok
wait_until 10 main_window_gone || fail "the window did not close"
xdotool mousemove --window "$icon" 10 10 click 3
wait_until 10 have_tray_menu || fail "the icon's menu did not open"
xdotool key Down Down Right Return # the first running timer's Pause
wait_until 10 eval '"$dunok" --list | grep -qP "\tpaused\t"' || fail "the menu's Pause paused nothing"
# Rice rings first, so the menu paused it; the running ones come soonest first, then the paused.
tip=$(tooltip_text) || fail "no tooltip over the icon while timers run"
# In the first second of a run or a pause, the time left is still whole minutes ("30:00").
m='[0-5][0-9]'
want="^Dunok\\|Tea — (29:$m|30:00) left\\|Stew — (49:$m|50:00) left\\|Rice — paused, (19:$m|20:00) left\$"
[[ $tip =~ $want ]] || fail "with Rice paused the tooltip reads '$tip'"
for _ in 1 2 3; do # a click may land while the last menu is still going
    xdotool mousemove --window "$icon" 10 10 click 3
    wait_until 3 have_tray_menu && break
done
have_tray_menu || fail "the icon's menu did not open again"
xdotool key Down Return # Show Dunok
wait_until 10 have_main_window || fail "the menu's Show did not bring the window back"
wmctrl -c Dunok
wait_until 10 main_window_gone || fail "the window did not close again"
xdotool mousemove --window "$icon" 10 10 click 1
wait_until 10 have_main_window || fail "a click on the icon did not bring the window back"
quit_dunok
# As the login entry starts it: only the icon, until a window is asked for.
start dunok env QT_QPA_PLATFORM=xcb "$dunok" --hidden && app=$pid
wait_until 30 have_tray_icon || fail "no icon in the tray after --hidden"
! have_main_window || fail "--hidden showed the window"
QT_QPA_PLATFORM=xcb "$dunok" --show || fail "dunok --show failed"
wait_until 10 have_main_window || fail "dunok --show did not bring the window"
QT_QPA_PLATFORM=xcb "$dunok" --new || fail "dunok --new failed"
wait_until 10 have_editor || fail "dunok --new did not open the editor"
quit_dunok
echo "PASS"
