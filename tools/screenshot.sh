#!/usr/bin/env bash
# Takes the screenshot that software centres and the README show: a fresh
# Dunok (the ready-made timers) with two timers counting down, on a virtual X
# display, with a home and session bus of its own so the user's timers and
# desktop stay out of the picture.
#   tools/screenshot.sh BUILD_DIR OUT.png
# With QT_SCALE_FACTOR=2 in the environment, the window as a 200% screen shows it.
set -euo pipefail
build=${1:?usage: screenshot.sh BUILD_DIR OUT.png}
out=${2:?usage: screenshot.sh BUILD_DIR OUT.png}
program=$build/bin/dunok
[[ -x "$program" ]] || { echo "No program at $program: build first." >&2; exit 1; }

work=$(mktemp -d)
pids=()
cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    # Dunok stores its preferences as it quits: let it finish before its
    # home goes.
    wait || true
    rm -rf "$work"
}
trap cleanup EXIT

export XDG_DATA_HOME=$work/data XDG_CONFIG_HOME=$work/config XDG_RUNTIME_DIR=$work/runtime
export HOME=$work/home
mkdir -p "$XDG_DATA_HOME" "$XDG_CONFIG_HOME" "$XDG_RUNTIME_DIR" "$HOME"
chmod 700 "$XDG_RUNTIME_DIR"
# A sanitizer build may be the one at hand; its exit report is no concern here.
export ASAN_OPTIONS=detect_leaks=0

# -displayfd picks a free display and reports it once the server is ready.
Xvfb -displayfd 1 -screen 0 2560x1600x24 -nolisten tcp >"$work/display" 2>"$work/xvfb.log" &
pids+=($!)
for _ in $(seq 100); do [[ -s "$work/display" ]] && break; sleep 0.05; done
[[ -s "$work/display" ]] || { echo "Xvfb did not start: $(cat "$work/xvfb.log")" >&2; exit 1; }
DISPLAY=:$(head -n1 "$work/display")
export DISPLAY

bus=$(dbus-daemon --session --fork --print-address=1 --print-pid=1)
DBUS_SESSION_BUS_ADDRESS=$(sed -n 1p <<<"$bus")
export DBUS_SESSION_BUS_ADDRESS
pids+=("$(sed -n 2p <<<"$bus")")

"$program" >"$work/dunok.log" 2>&1 &
dunok=$!
pids+=("$dunok")
window=$(timeout 20 xdotool search --sync --onlyvisible --pid "$dunok" | head -n1) || true
[[ -n "$window" ]] || { echo "Dunok showed no window: $(cat "$work/dunok.log")" >&2; exit 1; }

# No window manager gives focus here, so take it before typing. The first Down
# selects the top row; start the 15 and the 30 minute timers from the keyboard.
xdotool windowfocus --sync "$window"
xdotool key --delay 40 Down Down Down Down Down Return Down Down Down Return
# Let the two rows count down a little before the picture is taken.
sleep 2.5
mkdir -p "$(dirname "$out")"
import -window "$window" "$out"
echo "Screenshot of Dunok written to $out ($(identify -format '%wx%h' "$out"))."
