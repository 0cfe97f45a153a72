#!/usr/bin/env bash
# Quitting while the alarm rings: by Ctrl+Q, from the editor while its preview plays, by the
# tray's Quit, and at a logout that takes the whole session away right after SIGTERM. Every
# quit ends with status 0, without a sanitizer report, and leaves the store whole.
source "$(dirname "$0")/lib.sh"
setup_home
export ASAN_OPTIONS=detect_leaks=0:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
desktop() { # the session's programs, started anew; $session holds their pids
    local first=${#pids_to_stop[@]}
    start_xvfb; start_session_bus; start_sound_server; start_window_manager; start_tray_host
    session=("${pids_to_stop[@]:first}")
}
desktop
write_prefs prefsSendNotification=true prefsQuietWithMouse=false
egg_store 1
start_alarm() { # start_alarm WHEN: a new Dunok rings the one-second timer
    launch
    select_first_row
    xdotool key Return
    wait_until 20 sound_playing || fail "$1: the alarm was never heard on the sound server"
}
ended() { # ended WHEN: Dunok has gone with status 0, without a crash report, the store whole
    wait_until 60 process_gone "$app" || fail "$1: Dunok did not end"
    wait "$app" || fail "$1: Dunok ended with status $?"
    ! has_crash_report "$work/dunok.log" || fail "$1: a crash was reported"
    [[ $(sqlite3 -readonly "$store" 'PRAGMA integrity_check; SELECT count(*) FROM Timers') == \
        $'ok\n2' ]] || fail "$1: the store is not whole"
}
start_alarm ctrlq
xdotool key ctrl+q
ended ctrlq
launch
select_first_row
xdotool key ctrl+n
wait_until 20 have_editor || fail "preview: the editor did not open"
xdotool key Tab Tab space # the sound's Play button
wait_until 20 sound_playing || fail "preview: the preview was never heard"
xdotool key ctrl+q # from inside the sheet
ended preview
start_alarm tray
wait_until 20 have_tray_icon || fail "tray: no icon in the tray"
xdotool mousemove --window "$(tray_icon_window)" 10 10 click 3
wait_until 10 have_tray_menu || fail "tray: the icon's menu did not open"
xdotool key Up Return # its last entry, Quit
ended tray
start_alarm logout
kill -TERM "$app"
sleep 0.1
kill -KILL "${session[@]}" 2>/dev/null # everything of the session goes at once
ended logout
# At its worst: held still while the session ends around it, as on a loaded machine, Dunok
# meets the dead display only on its way out, after it has saved.
desktop
start_alarm display-gone
kill -STOP "$app"
kill -TERM "$app"
kill -KILL "${session[@]}" 2>/dev/null
sleep 0.2
kill -CONT "$app"
ended display-gone
echo "PASS"
