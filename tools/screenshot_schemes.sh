#!/usr/bin/env bash
# Takes the main window in the light and in the dark look, as the desktop's
# settings portal tells Dunok the user prefers: a fresh Dunok with two timers
# counting down, on a virtual X display, with a home, a session bus, the real
# portal and a settings database of its own.
#   tools/screenshot_schemes.sh BUILD_DIR OUT_DIR
# writes OUT_DIR/main-window-light.png and OUT_DIR/main-window-dark.png.
set -euo pipefail
build=${1:?usage: screenshot_schemes.sh BUILD_DIR OUT_DIR}
outdir=${2:?usage: screenshot_schemes.sh BUILD_DIR OUT_DIR}
program=$build/bin/dunok
[[ -x "$program" ]] || { echo "No program at $program: build first." >&2; exit 1; }
[[ -x /usr/libexec/xdg-desktop-portal-gtk ]] || { echo "The portal is missing: make deps." >&2; exit 1; }

work=$(mktemp -d)
pids=()
cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    wait || true
    rm -rf "$work"
}
trap cleanup EXIT

export XDG_DATA_HOME=$work/data XDG_CONFIG_HOME=$work/config XDG_RUNTIME_DIR=$work/runtime
export HOME=$work/home ASAN_OPTIONS=detect_leaks=0
# What the portal and its GNOME back end need; the bus hands it on to them.
export XDG_CURRENT_DESKTOP=GNOME GSETTINGS_BACKEND=dconf
mkdir -p "$XDG_DATA_HOME" "$XDG_CONFIG_HOME" "$XDG_RUNTIME_DIR" "$HOME" "$work/services"
chmod 700 "$XDG_RUNTIME_DIR"

Xvfb -displayfd 1 -screen 0 1280x800x24 -nolisten tcp >"$work/display" 2>"$work/xvfb.log" &
pids+=($!)
for _ in $(seq 100); do [[ -s "$work/display" ]] && break; sleep 0.05; done
[[ -s "$work/display" ]] || { echo "Xvfb did not start: $(cat "$work/xvfb.log")" >&2; exit 1; }
export DISPLAY=:$(head -n1 "$work/display")

# A bus that starts the portal, its back end and the settings service on demand.
for service in org.freedesktop.portal.Desktop org.freedesktop.impl.portal.desktop.gtk \
    org.freedesktop.impl.portal.PermissionStore ca.desrt.dconf; do
    cp "/usr/share/dbus-1/services/$service.service" "$work/services/"
done
printf '%s\n' "<busconfig><type>session</type><listen>unix:dir=$XDG_RUNTIME_DIR</listen>" \
    "<servicedir>$work/services</servicedir><auth>EXTERNAL</auth>" \
    '<policy context="default"><allow send_destination="*"/><allow own="*"/></policy></busconfig>' \
    >"$work/bus.conf"
bus=$(dbus-daemon --config-file="$work/bus.conf" --fork --print-address=1 --print-pid=1)
export DBUS_SESSION_BUS_ADDRESS=$(sed -n 1p <<<"$bus")
pids+=("$(sed -n 2p <<<"$bus")")

prefer() { gsettings set org.gnome.desktop.interface color-scheme "$1"; }
portal_scheme() {
    dbus-send --session --print-reply --reply-timeout=5000 --dest=org.freedesktop.portal.Desktop \
        /org/freedesktop/portal/desktop org.freedesktop.portal.Settings.Read \
        string:org.freedesktop.appearance string:color-scheme 2>/dev/null |
        awk '/uint32/ { print $NF }'
}
wait_for_scheme() {
    for _ in $(seq 300); do [[ $(portal_scheme) == "$1" ]] && return 0; sleep 0.1; done
    echo "The portal never said $1." >&2
    exit 1
}
prefer default
wait_for_scheme 0

"$program" >"$work/dunok.log" 2>&1 &
dunok=$!
pids+=("$dunok")
window=$(timeout 20 xdotool search --sync --onlyvisible --pid "$dunok" | head -n1) || true
[[ -n "$window" ]] || { echo "Dunok showed no window: $(cat "$work/dunok.log")" >&2; exit 1; }
xdotool windowfocus --sync "$window"
xdotool key --delay 40 Down Down Down Down Down Return Down Down Down Return
sleep 2.5
mkdir -p "$outdir"
import -window "$window" "$outdir/main-window-light.png"

prefer prefer-dark
wait_for_scheme 1
# The window repaints as the portal's signal arrives.
sleep 1
import -window "$window" "$outdir/main-window-dark.png"
echo "Screenshots written to $outdir: main-window-light.png, main-window-dark.png."
