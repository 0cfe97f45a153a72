#!/usr/bin/env bash
# Takes the main window in the light and in the dark look, as the desktop's
# real settings portal tells Dunok the user prefers. The pictures are taken
# on the way through the test that checks the switch, on its private display,
# bus, portal and settings, so that they show what that test has seen.
#   tools/screenshot_schemes.sh BUILD_DIR OUT_DIR
# writes OUT_DIR/main-window-dark.png and OUT_DIR/main-window-light.png.
set -euo pipefail
build=${1:?usage: screenshot_schemes.sh BUILD_DIR OUT_DIR}
outdir=${2:?usage: screenshot_schemes.sh BUILD_DIR OUT_DIR}
[[ -x "$build/bin/dunok" ]] || { echo "No program at $build/bin/dunok: build first." >&2; exit 1; }
mkdir -p "$outdir"
outdir=$(cd "$outdir" && pwd)
DUNOK_SCREENSHOT_DIR=$outdir bash "$(dirname "$0")/../tests/scripts/test_color_scheme.sh" \
    "$(cd "$build" && pwd)/bin/dunok" "$build" >/dev/null
echo "Screenshots written to $outdir: main-window-dark.png, main-window-light.png."
