# A private desktop: a home, an X display and a session bus, then each part named, in that order.
open_desktop() {
    setup_home; start_xvfb; start_session_bus
    local part
    for part in "$@"; do
        case $part in
            sound) start_sound_server ;;
            wm) start_window_manager ;;
            tray) start_tray_host ;;
            a11y) start_accessibility_bus ;;
            notices) start_notification_daemon /etc/xdg/dunst/dunstrc ;;
            *) fail "no desktop part called $part" ;;
        esac
    done
}
start_sound_server() {
    start pulse pulseaudio -n --daemonize=no --exit-idle-time=-1 --use-pid-file=no \
        --load=module-native-protocol-unix --load="module-null-sink sink_name=test"
    wait_until 15 eval 'pactl info >/dev/null 2>&1' || fail "the sound server did not start"
    pactl set-default-sink test
}
sound_playing() { [[ -n $(pactl list short sink-inputs 2>/dev/null) ]]; }
silent() { ! sound_playing; }
start_window_manager() {
    local attempt
    # Now and then openbox finds a display that has only just come up not yet
    # open to it, and gives up at once; a second try finds it open.
    for attempt in 1 2 3; do
        start openbox openbox --sm-disable
        wait_until 10 eval 'window_manager_present || process_gone $pid'
        window_manager_present && return 0
        cp "$work/openbox.log" "$work/openbox-$attempt.log"
    done
    fail "openbox did not take the display"
}
window_manager_present() { xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; }
start_tray_host() {
    start trayer trayer --edge top --align right --widthtype request --height 32 \
        --transparent false --SetDockType true
    wait_until 10 eval '[[ -n $(xdotool search --classname trayer 2>/dev/null) ]]' ||
        fail "the tray host did not start"
}
start_notification_daemon() {
    start dunst dunst -config "$1"
    wait_until 20 bus_has_owner org.freedesktop.Notifications ||
        fail "dunst did not take the notification service"
}
# Qt programs join the screen readers' bus with QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1.
start_accessibility_bus() {
    start atspi /usr/libexec/at-spi-bus-launcher --launch-immediately
    wait_until 10 eval 'dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus \
        org.a11y.Bus.GetAddress 2>/dev/null | grep -q unix:' || fail "the accessibility bus did not start"
}
# Debian's own Python has the accessibility bindings.
probe() { /usr/bin/python3 "$source_dir/tests/scripts/atspi_probe.py" "$@" 2>>"$work/probe.log"; }
# launch [VAR=VALUE...]: Dunok on the X display (its pid in app), once its window shows; with
# the accessibility bus, once it is on that too.
launch() {
    start dunok env QT_QPA_PLATFORM=xcb "$@" "$dunok" && app=$pid
    wait_until 60 have_main_window || fail "no Dunok window appeared"
    [[ " $* " != *" QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "* ]] || wait_until 30 probe ready >/dev/null ||
        fail "Dunok did not come onto the accessibility bus"
}
# quit_dunok [SIGNAL]: through its orderly quit, with no crash report.
quit_dunok() {
    stop "$app" "${1:-TERM}"
    ! has_crash_report "$work/dunok.log" || fail "Dunok reported a crash"
}
select_first_row() {
    xdotool windowactivate --sync "$(main_window)"
    xdotool key Down Up
}
# Dunok's windows, one per line: id, width, height, name.
dunok_windows() {
    local w geometry
    for w in $(xdotool search --onlyvisible --class dunok 2>/dev/null); do
        geometry=$(xdotool getwindowgeometry "$w" 2>/dev/null | sed -n 's/.*Geometry: //p') || continue
        printf '%s %s %s\n' "$w" "${geometry/x/ }" "$(xdotool getwindowname "$w" 2>/dev/null)"
    done
}
main_window() { dunok_windows | awk '$4 == "Dunok" && $2 > 200 { print $1; exit }'; }
editor_window() { dunok_windows | awk '/ — Dunok$/ && $4 != "Dunok" { print $1; exit }'; }
tray_icon_window() { dunok_windows | awk '$2 <= 64 && $3 <= 64 { print $1; exit }'; }
# What the window says it is (NORMAL, TOOLTIP...): the first type given; the others are fallbacks.
window_type() {
    xprop -id "$1" _NET_WM_WINDOW_TYPE 2>/dev/null |
        sed -n 's/^[^=]*= _NET_WM_WINDOW_TYPE_\([A-Z_]*\).*/\1/p'
}
# The first of Dunok's windows of that type (or of another, with !TYPE) among those awk picks.
window_of_type() {
    local w
    for w in $(dunok_windows | awk "${2:-1}"' { print $1 }'); do
        [[ $1 == !* && $(window_type "$w") != "${1#!}" || $(window_type "$w") == "$1" ]] &&
            echo "$w" && return 0
    done
    return 1
}
# The tray icon's menu: low and wide, and not a tooltip.
have_tray_menu() { window_of_type '!TOOLTIP' '$4 == "Dunok" && $2 > 64 && $3 < 480' >/dev/null; }
have_main_window() { [[ -n $(main_window) ]]; }
main_window_gone() { ! have_main_window; }
have_editor() { [[ -n $(editor_window) ]]; }
have_tray_icon() { [[ -n $(tray_icon_window) ]]; }
start_weston() {
    start weston weston --backend=headless-backend.so --socket=wayland-test --idle-time=0 --no-config
    wait_until 10 test -S "$XDG_RUNTIME_DIR/wayland-test" || fail "weston did not start"
    export WAYLAND_DISPLAY=wayland-test
}
# sway refuses to run as root: as root it runs as nobody, in a folder that user owns. Told to
# focus a window that asks for activation, as a user who wants that sets it; the arguments are
# further lines of its configuration.
start_sway() {
    local home=$work/sway as=()
    mkdir -p "$home" && chmod 755 "$work"
    printf '%s\n' 'output HEADLESS-1 resolution 1280x800' 'focus_on_window_activation focus' "$@" \
        >"$home/config"
    chmod 644 "$home/config"
    if [[ $(id -u) -eq 0 ]]; then
        chown nobody:nogroup "$home"
        as=(setpriv --reuid=65534 --regid=65534 --clear-groups)
    fi
    chmod 700 "$home"
    start sway env -i PATH=/usr/bin:/bin DUNOK_TEST_RUN="$DUNOK_TEST_RUN" HOME="$home" \
        XDG_RUNTIME_DIR="$home" \
        WLR_BACKENDS=headless WLR_LIBINPUT_NO_DEVICES=1 WLR_RENDERER=pixman \
        "${as[@]}" sway -c "$home/config"
    wait_until 10 test -S "$home/wayland-1" || fail "sway did not start"
    export WAYLAND_DISPLAY=$home/wayland-1
    sway_ipc=$(ls "$home"/sway-ipc.*.sock)
}
sway_focused() {
    swaymsg -s "$sway_ipc" -t get_tree 2>/dev/null | /usr/bin/python3 -c '
import json, sys
def walk(n):
    yield from [n.get("app_id") or ""] if n.get("focused") and n["type"].endswith("con") else []
    for child in n.get("nodes", []) + n.get("floating_nodes", []): yield from walk(child)
print(*walk(json.load(sys.stdin)))'
}
# What a status-notifier tray host sees of Dunok's item (see sni_probe.py).
sni() { /usr/bin/python3 "$source_dir/tests/scripts/sni_probe.py" "$@" 2>>"$work/sni.log"; }
sni_tooltip() { sni prop ToolTip | paste -sd '|'; } # its title, then its lines
# The menu's entries as a host shows the top level: "Show Dunok|Tea — 4:12 left >|Quit Dunok".
sni_menu() { sni layout | awk -F'\t' '$2 == 1 && $3 != "" { print $3 ($4 ? " >" : "") }' | paste -sd '|'; }
# Dunok's window as sway holds it: there while shown, gone while closed.
sway_window_shown() {
    swaymsg -s "$sway_ipc" -t get_tree 2>/dev/null | /usr/bin/python3 -c '
import json, sys
def walk(n):
    yield n.get("app_id") == "org.dunok.Dunok" and n.get("name") == "Dunok"
    for child in n.get("nodes", []) + n.get("floating_nodes", []): yield from walk(child)
sys.exit(not any(walk(json.load(sys.stdin))))'
}
sway_window_gone() { ! sway_window_shown; }
close_sway_window() {
    swaymsg -s "$sway_ipc" '[app_id="org.dunok.Dunok" title="^Dunok$"] kill' >/dev/null
    wait_until 10 sway_window_gone || fail "the window did not close"
}
# A bar with nothing but the tray, under sway: its host is also the watcher that items register
# with. Sets $waybar to its pid.
start_waybar() {
    printf '%s\n' '{ "layer": "top", "position": "top", "height": 30,' \
        '  "modules-left": [], "modules-center": [], "modules-right": ["tray"],' \
        '  "tray": { "icon-size": 22, "spacing": 4 } }' >"$work/waybar.json"
    printf '%s\n' '* { font-family: sans-serif; font-size: 12px; }' >"$work/waybar.css"
    start waybar env SWAYSOCK="$sway_ipc" waybar -c "$work/waybar.json" -s "$work/waybar.css"
    waybar=$pid
    wait_until 20 bus_has_owner org.kde.StatusNotifierWatcher || fail "waybar's tray took no watcher"
}
# The status-notifier tray tests' session: sway on a private bus, no notifications, and two
# timers, Tea and Rice, in the store; the tray itself is each test's to start.
open_tray_session() {
    command -v waybar >/dev/null || fail "waybar is not installed (make deps installs it)"
    setup_home
    start_session_bus
    start_sway
    write_prefs prefsSendNotification=false prefsBringToFront=false
    make_store "INSERT INTO Timers (desc, duration, sound) VALUES ('Tea', 1800, 'Chimes'),
        ('Rice', 1200, 'Chimes')"
}
# The tray menu's Stop stops Tea, and its first entry brings the closed window back.
menu_stops_tea_and_shows() {
    sni click Tea Stop || fail "the menu's Stop could not be clicked"
    wait_until 10 eval '! row Tea | grep -qP "\t(running|paused)\t"' ||
        fail "the menu's Stop left Tea: $(row Tea)"
    close_sway_window
    sni click "Show Dunok" || fail "the menu's Show could not be clicked"
    wait_until 10 sway_window_shown || fail "the menu's Show did not bring the window back"
}
