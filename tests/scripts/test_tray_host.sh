#!/usr/bin/env bash
# In a real XEmbed tray: the icon is embedded, counts running timers, its tooltip names the next
# to ring, its menu and a click bring the window back, and --hidden shows only the icon.
source "$(dirname "$0")/lib.sh"
open_desktop wm tray
write_prefs prefsSendNotification=false prefsBringToFront=false
make_store "INSERT INTO Timers (desc, duration, sound) VALUES ('Tea', 3000, 'Chimes'),
    ('Stew', 3600, 'Chimes')"
launch
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
# The height of the tooltip shown while the pointer rests on the icon.
tooltip_height() {
    xdotool mousemove 500 400 # away, until the last hover's tooltip has gone
    wait_until 10 eval '! window_of_type TOOLTIP >/dev/null' || return 1
    xdotool mousemove --window "$icon" 10 10 mousemove_relative 1 1
    local tip=""
    wait_until 10 window_of_type TOOLTIP >/dev/null && tip=$(window_of_type TOOLTIP)
    [[ -n $tip ]] && dunok_windows | awk -v w="$tip" '$1 == w { print $3 }'
}
wait_until 20 eval 'tooltip_height >/dev/null' || fail "no tooltip over the icon"
idle_tip=$(tooltip_height)
select_first_row
xdotool key Return Down Return # both timers start
wait_until 10 eval '(($(red_pixels) > 10))' || fail "the icon does not count the running timers"
running_tip=$(tooltip_height) || fail "no tooltip over the icon while timers run"
((running_tip > idle_tip)) ||
    fail "the tooltip did not gain the next timer's line ($idle_tip px, then $running_tip px)"
# Closed, the window comes back from the menu's first entry, and from a click.
wmctrl -c Dunok
wait_until 10 main_window_gone || fail "the window did not close"
xdotool mousemove --window "$icon" 10 10 click 3
wait_until 10 have_tray_menu || fail "the icon's menu did not open"
xdotool key Down Down Right Return # the first running timer's Pause
wait_until 10 eval '"$dunok" --list | grep -qP "\tpaused\t"' || fail "the menu's Pause paused nothing"
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
