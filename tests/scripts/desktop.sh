# Helpers for tests that run the real program on a desktop made of the real
# parts Debian ships. Source after lib.sh, and call setup_home first. The pids
# of the sound server, window manager and tray are in pulse_pid, wm_pid, tray_pid.

# A PulseAudio of our own with one null sink as the default device, in this
# home's runtime folder.
# A private desktop for one test: a home, an X display and a session bus, then
# each part named: sound (a sound server), wm (a window manager), tray (a tray
# host), a11y (the accessibility bus), started in the order named.
open_desktop() {
    setup_home
    start_xvfb
    start_session_bus
    local part
    for part in "$@"; do
        case $part in
            sound) start_sound_server ;;
            wm) start_window_manager ;;
            tray) start_tray_host ;;
            a11y) start_accessibility_bus ;;
            *) fail "no desktop part called $part" ;;
        esac
    done
}

start_sound_server() {
    start pulse pulseaudio -n --daemonize=no --exit-idle-time=-1 --use-pid-file=no \
        --load=module-native-protocol-unix --load="module-null-sink sink_name=test"
    pulse_pid=$pid
    wait_until 15 eval 'pactl info >/dev/null 2>&1' || fail "the sound server did not start"
    pactl set-default-sink test
}
# Whether some program's sound is playing on the server right now.
sound_playing() { [[ -n $(pactl list short sink-inputs 2>/dev/null) ]]; }

start_window_manager() {
    local attempt
    # Now and then openbox finds a display that has only just come up not yet
    # open to it, and gives up at once; a second try finds it open.
    for attempt in 1 2 3; do
        start openbox openbox --sm-disable
        wm_pid=$pid
        wait_until 10 eval 'window_manager_present || process_gone $wm_pid'
        window_manager_present && return 0
        cp "$work/openbox.log" "$work/openbox-$attempt.log"
    done
    fail "openbox did not take the display"
}
window_manager_present() { xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; }

# An XEmbed tray in the top right corner of the screen.
start_tray_host() {
    start trayer trayer --edge top --align right --widthtype request --height 32 \
        --transparent false --SetDockType true
    tray_pid=$pid
    wait_until 10 eval '[[ -n $(xdotool search --classname trayer 2>/dev/null) ]]' ||
        fail "the tray host did not start"
}

# Dunok's windows, one per line: id, width, height, name.
dunok_windows() {
    local w
    for w in $(xdotool search --onlyvisible --class dunok 2>/dev/null); do
        local geometry
        geometry=$(xdotool getwindowgeometry "$w" 2>/dev/null | sed -n 's/.*Geometry: //p') || continue
        printf '%s %s %s\n' "$w" "${geometry/x/ }" "$(xdotool getwindowname "$w" 2>/dev/null)"
    done
}
# The main window: the one named "Dunok" that is large.
main_window() { dunok_windows | awk '$4 == "Dunok" && $2 > 200 { print $1; exit }'; }
# The editor sheet.
editor_window() { dunok_windows | awk '/ — Dunok$/ && $4 != "Dunok" { print $1; exit }'; }
# The tray icon: the small window embedded in the tray host.
tray_icon_window() { dunok_windows | awk '$2 <= 64 && $3 <= 64 { print $1; exit }'; }
# The calendar popover: a month's grid, smaller than the main window.
popover_window() { dunok_windows | awk '$4 == "Dunok" && $2 < 400 && $3 >= 120 { print $1; exit }'; }
# What the window says it is to the window manager (NORMAL, DIALOG, TOOLTIP...):
# the first type given is the one meant, the others are fallbacks.
window_type() {
    xprop -id "$1" _NET_WM_WINDOW_TYPE 2>/dev/null |
        sed -n 's/^[^=]*= _NET_WM_WINDOW_TYPE_\([A-Z_]*\).*/\1/p'
}
# The first of Dunok's windows of that type.
window_of_type() {
    local w
    for w in $(dunok_windows | awk '{ print $1 }'); do
        [[ $(window_type "$w") == "$1" ]] && { echo "$w"; return 0; }
    done
    return 1
}
# The tray icon's menu: two entries, low and wide; not a tooltip.
tray_menu_window() {
    dunok_windows | awk '$4 == "Dunok" && $2 > 64 && $3 < 120 { print $1 }' | while read -r w; do
        [[ $(window_type "$w") != TOOLTIP ]] && { echo "$w"; break; }
    done
}
have_tray_menu() { [[ -n $(tray_menu_window) ]]; }
have_main_window() { [[ -n $(main_window) ]]; }
main_window_gone() { ! have_main_window; }
have_editor() { [[ -n $(editor_window) ]]; }
have_popover() { [[ -n $(popover_window) ]]; }
have_tray_icon() { [[ -n $(tray_icon_window) ]]; }

# Preferences for a returning user (no default timers), sorted by duration.
# Extra KEY=VALUE lines may follow.
write_prefs() {
    mkdir -p "$XDG_CONFIG_HOME/Dunok"
    { printf '[General]\nhavePrefs=100\nprefsSort=1\n'; printf '%s\n' "$@"; } \
        >"$XDG_CONFIG_HOME/Dunok/Dunok.conf"
}

# make_store DUNOK [SQL]: a store as Dunok itself writes it, then filled with SQL.
make_store() {
    local store=$XDG_DATA_HOME/Dunok/TimerModel.sqlite
    [[ -f $store ]] || {
        start prepare env QT_QPA_PLATFORM=offscreen "$1"
        wait_until 60 sqlite3 -readonly "$store" 'SELECT 1 FROM Timers' >/dev/null 2>&1 ||
            fail "Dunok made no store"
        stop "$pid"
    }
    [[ -z ${2:-} ]] || sqlite3 "$store" "$2"
}

# Sanitizer and crash reports in a log.
has_crash_report() {
    grep -qE 'ERROR: AddressSanitizer|ERROR: LeakSanitizer|runtime error:|SUMMARY: UndefinedBehavior|Segmentation fault|Aborted|terminate called' "$1"
}

# The accessibility bus that screen readers use, announced on the session bus
# (and, on X, on the display): start it after the display and the session bus.
# Qt programs join it when QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 is set, as they
# do when a screen reader runs.
start_accessibility_bus() {
    start atspi /usr/libexec/at-spi-bus-launcher --launch-immediately
    wait_until 10 eval 'dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus \
        org.a11y.Bus.GetAddress 2>/dev/null | grep -q unix:' || fail "the accessibility bus did not start"
}
# probe COMMAND...: reads or works Dunok over that bus (atspi_probe.py tells
# what it can do); Debian's own Python has the bindings. What went wrong goes
# to probe.log.
probe_script=$(dirname "${BASH_SOURCE[0]}")/atspi_probe.py
probe() { /usr/bin/python3 "$probe_script" "$@" 2>>"$work/probe.log"; }

# A Wayland compositor of our own, with no screen, exported as WAYLAND_DISPLAY.
start_compositor() {
    start weston weston --backend=headless-backend.so --socket=wayland-test --idle-time=0 \
        --no-config
    wait_until 10 test -S "$XDG_RUNTIME_DIR/wayland-test" || fail "weston did not start"
    export WAYLAND_DISPLAY=wayland-test
}

# sway, with no screen, as a compositor that offers xdg-activation, exported
# as WAYLAND_DISPLAY (a path: its runtime folder is its own). It refuses to run
# as root, so as root it runs as nobody, in a folder that user owns. Told to
# focus a window that asks for activation, as a user who wants that sets it.
start_sway() {
    local home=$work/sway
    mkdir -p "$home" && chmod 755 "$work"
    printf '%s\n' 'output HEADLESS-1 resolution 1280x800' 'focus_on_window_activation focus' \
        >"$home/config"
    chmod 644 "$home/config"
    local as=()
    if [[ $(id -u) -eq 0 ]]; then
        chown nobody:nogroup "$home"
        as=(setpriv --reuid=65534 --regid=65534 --clear-groups)
    fi
    chmod 700 "$home"
    start sway env -i PATH=/usr/bin:/bin HOME="$home" XDG_RUNTIME_DIR="$home" \
        WLR_BACKENDS=headless WLR_LIBINPUT_NO_DEVICES=1 WLR_RENDERER=pixman \
        "${as[@]}" sway -c "$home/config"
    wait_until 10 test -S "$home/wayland-1" || fail "sway did not start"
    export WAYLAND_DISPLAY=$home/wayland-1
    sway_ipc=$(ls "$home"/sway-ipc.*.sock)
}

# The app_id of the window sway has focused, or nothing.
sway_focused() {
    swaymsg -s "$sway_ipc" -t get_tree 2>/dev/null | /usr/bin/python3 -c '
import json, sys
def walk(node):
    if node.get("focused") and node.get("type") in ("con", "floating_con"):
        print(node.get("app_id") or "")
    for child in node.get("nodes", []) + node.get("floating_nodes", []):
        walk(child)
walk(json.load(sys.stdin))'
}
