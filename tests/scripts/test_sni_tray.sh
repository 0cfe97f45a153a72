#!/usr/bin/env bash
# In a status-notifier tray (waybar's, under sway, with Dunok on Wayland where no other tray
# exists): the item is registered, sends its icon as pixmaps, its tooltip lists the running
# timers, the pie changes the icon, its menu pauses and stops a timer and shows the window, a
# click on the icon shows it too, and the menu's Quit ends Dunok.
source "$(dirname "$0")/lib.sh"
open_tray_session
start_waybar
start dunok env QT_QPA_PLATFORM=wayland "$dunok" && app=$pid
wait_until 60 sway_window_shown || fail "Dunok showed no window under sway"
wait_until 20 eval '[[ -n $(sni items) ]]' || fail "Dunok registered no item with the tray's watcher"
# A watcher keeps the name the item registered under, or the caller's own name on the bus.
item=$(sni items)
[[ $(bus_owner_pid "${item%%/*}") == "$app" ]] || fail "the item '$item' is not Dunok's"
[[ $(sni prop Id) == Dunok && $(sni prop Title) == Dunok ]] ||
    fail "the item is called '$(sni prop Id)', '$(sni prop Title)'"
# Sharp at the sizes trays draw: pixmaps from 16 to 64 pixels, not one scaled.
idle_icon=$(sni icon)
[[ $(grep -c '^[0-9]*x[0-9]* ' <<<"$idle_icon") -ge 4 && $idle_icon == *"22x22 "* &&
    $idle_icon == *"64x64 "* ]] ||
    fail "the item's icon is sent as '$idle_icon'"
wait_until 10 eval '[[ $(sni_tooltip) == "Dunok|" ]]' || fail "the idle tooltip reads '$(sni_tooltip)'"
"$dunok" --start Tea >/dev/null && "$dunok" --start Rice >/dev/null || fail "the timers did not start"
m='[0-5][0-9]'
want="^Dunok\\|Rice — (19:$m|20:00) left\\|Tea — (29:$m|30:00) left\$"
wait_until 10 eval '[[ $(sni_tooltip) =~ $want ]]' || fail "with two timers the tooltip reads '$(sni_tooltip)'"
wait_until 10 eval '[[ $(sni icon) != "$idle_icon" ]]' || fail "the icon shows no pie while timers run"
# The menu as a host shows it: Show first, a submenu per running timer, Quit last.
labels=$(sni_menu)
[[ $labels =~ ^"Show Dunok|Rice — "[^|]*" >|Tea — "[^|]*" >|Quit Dunok"$ ]] ||
    fail "the menu reads '$labels'"
sni click Rice Pause || fail "the menu's Pause could not be clicked"
wait_until 10 eval 'row Rice | grep -qP "\tpaused\t"' || fail "the menu's Pause did not pause Rice: $(row Rice)"
row Tea | grep -qvP "\tpaused\t" || fail "the menu's Pause paused Tea too"
want="^Dunok\\|Tea — (29:$m|30:00) left\\|Rice — paused, (19:$m|20:00) left\$"
wait_until 10 eval '[[ $(sni_tooltip) =~ $want ]]' || fail "with Rice paused the tooltip reads '$(sni_tooltip)'"
# The menu stops a timer; the closed window comes back from its first entry, and from a click
# on the icon.
menu_stops_tea_and_shows
close_sway_window
read -r service path < <(sni items | sed 's|/| /|')
gdbus call --session --dest "$service" --object-path "${path:-/StatusNotifierItem}" \
    --method org.kde.StatusNotifierItem.Activate 0 0 >/dev/null || fail "the item took no click"
wait_until 10 sway_window_shown || fail "a click on the icon did not bring the window back"
sni click "Quit Dunok" || fail "the menu's Quit could not be clicked"
wait_until 30 process_gone "$app" || fail "the menu's Quit did not end Dunok"
wait "$app" || fail "Dunok ended with status $? after the menu's Quit"
! has_crash_report "$work/dunok.log" || fail "Dunok reported a crash"
echo "PASS"
