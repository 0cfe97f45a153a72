#!/usr/bin/env bash
# On a Wayland output at scale 2 the compositor tells Qt the scale, and Qt draws Dunok's window
# at twice the pixels itself: the screen then holds what Qt draws for a 200% screen on an output
# of the same size at scale 1. A window drawn at 1x and enlarged by the compositor loses its fine
# edges and must not pass for it. At scale 1.5 Qt is told 2 and the compositor shrinks what it draws.
# With DUNOK_SCREENSHOT=FILE.png the scale-2 screen is kept there.
source "$(dirname "$0")/lib.sh"
id=org.dunok.Dunok
setup_home
start_session_bus
# Nothing but Dunok's window on the screen: no bar (none is configured), no border.
start_sway 'default_border none'
write_prefs prefsSendNotification=false
make_store "INSERT INTO Timers (desc, duration, sound) VALUES ('Tea', 180, 'Vintage Alarm Clock'),
    ('Pizza', 720, 'Vintage Alarm Clock'), ('Bread dough', 5400, 'Vintage Alarm Clock')"
export LANGUAGE=en LC_ALL=C.UTF-8

# shot NAME WxH SCALE [VAR=VALUE...]: the screen in $work/NAME.png, once Dunok's window is up and
# two grabs in a row agree; the client's side of the protocol in $work/NAME.protocol.
shot() {
    local name=$1
    swaymsg -s "$sway_ipc" output HEADLESS-1 resolution "$2" scale "$3" >/dev/null
    start dunok env QT_QPA_PLATFORM=wayland WAYLAND_DEBUG=client "${@:4}" "$dunok" && app=$pid
    wait_until 60 eval '[[ $(sway_focused) == "$id" ]]' || fail "$name: Dunok's window did not show"
    rm -f "$work/last.png"
    settled() {
        grim "$work/next.png" && cmp -s "$work/next.png" "$work/last.png" && return 0
        mv "$work/next.png" "$work/last.png" && return 1
    }
    wait_until 30 settled || fail "$name: the screen did not settle"
    mv "$work/next.png" "$work/$name.png"
    quit_dunok
    grep -F -- '-> wl_surface@' "$work/dunok.log" >"$work/$name.protocol" || true
}
# A and B agree: the same size, and one pixel in a thousand at most differs by more than a tenth
# of the colour range. Both are drawn by the same Qt at the same ratio, so in practice they are
# equal; the allowance is for antialiasing at a glyph's edge, while a window enlarged from 1x
# differs at every edge of text and icons (well over one pixel in a hundred).
agree() {
    local n size
    size=$(identify -format '%wx%h' "$1")
    [[ $(identify -format '%wx%h' "$2") == "$size" ]] || fail "$1 is $size, $2 is not"
    n=$(compare -metric AE -fuzz 10% "$1" "$2" null: 2>&1 || true)
    [[ $n =~ ^[0-9]+$ ]] || fail "compare could not compare $1 and $2: $n"
    echo "$(basename "$1") against $(basename "$2"): $n pixels differ"
    ((n * 1000 <= ${size%x*} * ${size#*x}))
}
buffer_scale() { grep -qE "set_buffer_scale\\($2\\)" "$work/$1.protocol"; }

# The same 640x800 window in both: once the output's scale, once Qt's own.
shot native 1280x1600 2
shot factor 1280x1600 1 QT_SCALE_FACTOR=2
buffer_scale native 2 || fail "Qt did not draw at the scale sway told it"
agree "$work/native.png" "$work/factor.png" || fail "Qt's 2x at scale 2 is not its 2x at 200%"

# The comparison tells the two apart: the window at 1x, enlarged by point sampling as this sway
# scales a buffer (seen at 1.5 below), is blocky at every edge.
shot small 640x800 1
convert "$work/small.png" -sample 200% "$work/enlarged.png"
! agree "$work/enlarged.png" "$work/native.png" || fail "a 1x window enlarged passed for 2x"

# At 1.5 Qt hears of scale 2 (it knows no fractions), draws at 2x and sway shrinks that.
shot fractional 960x1200 1.5
buffer_scale fractional 2 || fail "Qt did not draw at scale 2 for the output at 1.5"
convert "$work/native.png" -sample 960x1200 "$work/shrunk.png"
agree "$work/fractional.png" "$work/shrunk.png" || fail "at 1.5 sway did not show Qt's 2x shrunk"

[[ -z ${DUNOK_SCREENSHOT:-} ]] || cp "$work/native.png" "$DUNOK_SCREENSHOT"
echo "PASS"
