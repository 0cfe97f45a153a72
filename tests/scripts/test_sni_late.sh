#!/usr/bin/env bash
# A status-notifier tray that starts after Dunok, as a bar that loses the race with the login
# entry, and one started again: under sway, with Dunok on Wayland where no other tray exists,
# Dunok's item appears in the tray that comes, with its tooltip and its menu, and again in the
# tray that comes back.
source "$(dirname "$0")/lib.sh"
open_tray_session
start dunok env QT_QPA_PLATFORM=wayland "$dunok" && app=$pid
wait_until 60 sway_window_shown || fail "Dunok showed no window under sway"
"$dunok" --start Tea >/dev/null && "$dunok" --start Rice >/dev/null || fail "the timers did not start"
# Dunok has its icon ready, with no tray anywhere to take it.
offered() {
    gdbus introspect --session --dest org.dunok.Dunok --object-path /StatusNotifierItem 2>/dev/null |
        grep -q 'interface org.kde.StatusNotifierItem'
}
wait_until 30 offered || fail "Dunok offers no tray icon on the bus"
! bus_has_owner org.kde.StatusNotifierWatcher || fail "a tray's watcher runs before any bar"
# The bar comes: the item is registered with its watcher and shows what runs.
start_waybar
wait_until 20 eval '[[ -n $(sni items) ]]' || fail "Dunok registered no item with the late tray's watcher"
item=$(sni items)
[[ $(bus_owner_pid "${item%%/*}") == "$app" ]] || fail "the item '$item' is not Dunok's"
m='[0-5][0-9]'
want="^Dunok\\|Rice — (19:$m|20:00) left\\|Tea — (29:$m|30:00) left\$"
wait_until 10 eval '[[ $(sni_tooltip) =~ $want ]]' || fail "in the late tray the tooltip reads '$(sni_tooltip)'"
[[ $(sni icon | grep -c '^[0-9]*x[0-9]* ') -ge 4 ]] || fail "the item's icon is sent as '$(sni icon)'"
labels=$(sni_menu)
[[ $labels =~ ^"Show Dunok|Rice — "[^|]*" >|Tea — "[^|]*" >|Quit Dunok"$ ]] ||
    fail "the late tray's menu reads '$labels'"
sni click Rice Pause || fail "the menu's Pause could not be clicked"
wait_until 10 eval 'row Rice | grep -qP "\tpaused\t"' || fail "the menu's Pause did not pause Rice: $(row Rice)"
menu_stops_tea_and_shows
# The bar is restarted: the new watcher knows nothing of the old one's items until Dunok tells it.
kill "$waybar"
wait_until 10 process_gone "$waybar" || fail "waybar did not end"
wait_until 10 eval '! bus_has_owner org.kde.StatusNotifierWatcher' || fail "the watcher outlived waybar"
start_waybar
wait_until 20 eval '[[ -n $(sni items) ]]' || fail "Dunok did not register its item again with the restarted tray"
[[ $(bus_owner_pid "$(sni items | cut -d/ -f1)") == "$app" ]] || fail "the item '$(sni items)' is not Dunok's"
want="^Dunok\\|Rice — paused, (19:$m|20:00) left\$"
wait_until 10 eval '[[ $(sni_tooltip) =~ $want ]]' || fail "in the restarted tray the tooltip reads '$(sni_tooltip)'"
sni click "Quit Dunok" || fail "the restarted tray's Quit could not be clicked"
wait_until 30 process_gone "$app" || fail "the menu's Quit did not end Dunok"
wait "$app" || fail "Dunok ended with status $? after the menu's Quit"
! has_crash_report "$work/dunok.log" || fail "Dunok reported a crash"
echo "PASS"
