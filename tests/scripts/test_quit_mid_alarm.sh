#!/usr/bin/env bash
# Quitting while the alarm rings ends Dunok cleanly: on a desktop with a real
# sound server, window manager and tray host, a one-second timer is started
# from the keyboard and Dunok is quit while its sound plays, by Ctrl+Q, by
# SIGTERM, by the tray's Quit, with the editor's preview playing in its sheet,
# and at a logout that takes the display, the bus and the sound server away
# right after SIGTERM, also before Dunok could even begin to quit. Every quit must end with status 0, without a sanitizer
# report, and leave the store whole. (bench/quit_matrix.sh runs the same
# quits by the hundred.) A plain SIGTERM mid-alarm is the logout's first step.
here=$(dirname "$0")
source "$here/lib.sh"
source "$here/desktop.sh"
dunok=$1
setup_home
export ASAN_OPTIONS=detect_leaks=0:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
store=$XDG_DATA_HOME/Dunok/TimerModel.sqlite

# The session's programs, started anew; $session holds their pids.
desktop() {
    local first=${#pids_to_stop[@]}
    start_xvfb
    start_session_bus
    start_sound_server
    start_window_manager
    start_tray_host
    session=("${pids_to_stop[@]:first}")
}
desktop
write_prefs prefsSendNotification=true prefsQuietWithMouse=false
make_store "$dunok" "INSERT INTO Timers (desc, duration, sound) VALUES
    ('Quick egg', 1, 'Vintage Alarm Clock'), ('Slow stew', 3600, 'Vintage Alarm Clock')"

launch() {
    start "dunok-$1" env QT_QPA_PLATFORM=xcb "$dunok"
    app=$pid
    wait_until 60 have_main_window || fail "$1: no window"
    local w
    w=$(main_window)
    xdotool windowactivate --sync "$w"
    xdotool key Down Up # the first row, the one-second timer, is selected
}
start_alarm() {
    xdotool key Return
    wait_until 20 sound_playing || fail "$1: the alarm was never heard on the sound server"
}
# ended NAME: Dunok has gone with status 0, said nothing of a crash, and the
# store is whole.
ended() {
    wait_until 60 process_gone "$app" || fail "$1: Dunok did not end"
    local status=0
    wait "$app" || status=$?
    ((status == 0)) || fail "$1: Dunok ended with status $status"
    ! has_crash_report "$work/dunok-$1.log" || fail "$1: a crash was reported"
    [[ $(sqlite3 -readonly "$store" 'PRAGMA integrity_check; SELECT count(*) FROM Timers') == \
        $'ok\n2' ]] || fail "$1: the store is not whole"
}

launch ctrlq
start_alarm ctrlq
xdotool key ctrl+q
ended ctrlq

launch preview
xdotool key ctrl+n
wait_until 20 have_editor || fail "preview: the editor did not open"
xdotool key Tab Tab space # the sound's Play button
wait_until 20 sound_playing || fail "preview: the preview was never heard"
xdotool key ctrl+q # from inside the sheet
ended preview

launch tray
start_alarm tray
wait_until 20 have_tray_icon || fail "tray: no icon in the tray"
xdotool mousemove --window "$(tray_icon_window)" 10 10 click 3
wait_until 10 have_tray_menu || fail "tray: the icon's menu did not open"
xdotool key Up Return # its last entry, Quit
ended tray

launch logout
start_alarm logout
kill -TERM "$app"
sleep 0.1
# Everything of the session goes at once.
kill -KILL "${session[@]}" 2>/dev/null
ended logout

# The same at its worst: Dunok is held still while the session ends around
# it, as a loaded machine would at a logout, so that it meets the dead display
# only on its way out, after it has saved.
desktop
launch display-gone
start_alarm display-gone
kill -STOP "$app"
kill -TERM "$app"
kill -KILL "${session[@]}" 2>/dev/null
sleep 0.2
kill -CONT "$app"
ended display-gone
echo "PASS"
