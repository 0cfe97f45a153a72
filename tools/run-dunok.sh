#!/usr/bin/env bash
# Starts Dunok on the desktop, or, on a machine without a display, on a
# virtual X display that this script starts and stops.
set -euo pipefail
program=${1:?usage: run-dunok.sh path/to/dunok}

if [[ -n "${DISPLAY:-}" || -n "${WAYLAND_DISPLAY:-}" ]]; then
    exec "$program"
fi

display=
for n in $(seq 99 140); do
    if [[ ! -e /tmp/.X11-unix/X$n && ! -e /tmp/.X$n-lock ]]; then display=:$n; break; fi
done
[[ -n "$display" ]] || { echo "No free X display number for Xvfb." >&2; exit 1; }

Xvfb "$display" -screen 0 1280x800x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null || true' EXIT
for _ in $(seq 50); do
    [[ -e /tmp/.X11-unix/X${display#:} ]] && break
    sleep 0.1
done

cat <<MSG
No display was found, so Dunok runs on the virtual X display $display (Xvfb).
Take a screenshot of it from another terminal with:
    import -display $display -window root dunok-screenshot.png
Stop Dunok with Ctrl+C.
MSG

export DISPLAY=$display
if [[ -z "${DBUS_SESSION_BUS_ADDRESS:-}" ]]; then
    dbus-run-session -- "$program"
else
    "$program"
fi
