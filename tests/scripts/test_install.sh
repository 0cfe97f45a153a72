#!/usr/bin/env bash
# An install under a prefix of its own (as /opt/dunok would be) is a complete
# desktop program: the launcher entry's program and icon are there, the icon
# theme gets every size, and the installed program shows its window and uses
# its own help and sounds, not the build tree's.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/xvfb.sh"
build=$2
setup_home
prefix=$work/opt/dunok
cmake --install "$build" --prefix "$prefix" >"$work/install.log" 2>&1 ||
    fail "cmake --install failed: $(cat "$work/install.log")"

desktop=$prefix/share/applications/dunok.desktop
[[ -f "$desktop" ]] || fail "no launcher entry installed"
key() { sed -n "s/^$1=//p" "$desktop"; }
[[ -x "$prefix/bin/$(key Exec)" ]] || fail "the launcher runs '$(key Exec)', which is not installed"
[[ -f "$prefix/share/metainfo/org.dunok.Dunok.metainfo.xml" ]] || fail "no metainfo installed"

# The icon the launcher names, at every size the theme holds, each as large as
# its folder says.
icons=$prefix/share/icons/hicolor
icon=$(key Icon)
[[ -f "$icons/scalable/apps/$icon.svg" ]] || fail "no scalable icon '$icon'"
for size in 16 24 32 48 64 128 256; do
    [[ -f "$icons/${size}x$size/apps/$icon.png" ]] || fail "no ${size}x$size icon"
done
for png in "$icons"/*/apps/*.png; do
    folder=$(basename "$(dirname "$(dirname "$png")")")
    [[ $(identify -format '%wx%h' "$png") == "$folder" ]] ||
        fail "$png is $(identify -format '%wx%h' "$png"), not $folder"
done
diff -r "$build/share/dunok" "$prefix/share/dunok" >"$work/resources.diff" ||
    fail "the installed resource folder differs from the build's: $(cat "$work/resources.diff")"

# Run the installed program as a desktop would start it, and watch which
# files it opens.
start_session_bus
start_xvfb
mkdir -p "$work/bin"
printf '#!/bin/sh\nprintf "%%s" "$1" >"%s/opened"\n' "$work" >"$work/bin/xdg-open"
chmod +x "$work/bin/xdg-open"
export PATH=$work/bin:$PATH
export ASAN_OPTIONS=detect_leaks=0
strace -f -qq -e trace=openat,stat,newfstatat,statx -o "$work/files" \
    "$prefix/bin/dunok" >"$work/dunok.log" 2>&1 &
tracer=$!
pids_to_stop+=("$tracer")
window=$(wait_for_window dunok 30) || true
[[ -n "$window" ]] || fail "the installed Dunok showed no window: $(cat "$work/dunok.log")"
dunok=$(xdotool getwindowpid "$window")
pids_to_stop+=("$dunok")
xwininfo -id "$window" | grep -q "Map State: IsViewable" || fail "the window is not mapped"
# Desktops match the window to its launcher entry by this class.
xprop -id "$window" WM_CLASS | grep -qF "\"$(key StartupWMClass)\"" ||
    fail "window class $(xprop -id "$window" WM_CLASS) does not match the launcher entry"

# Help opens the installed guide in the desktop's viewer, which here only
# notes what it was asked to open.
xdotool windowfocus --sync "$window"
xdotool key F1
wait_until 20 test -s "$work/opened" || fail "Help opened nothing: $(cat "$work/dunok.log")"
[[ $(cat "$work/opened") == "file://$prefix/share/dunok/help.pdf" ]] ||
    fail "Help opened $(cat "$work/opened"), not the installed guide"

# The timer editor lists the sounds; it must read them from the install.
xdotool windowfocus --sync "$window"
xdotool key ctrl+n
sounds_listed() { grep -q "openat(.*\"$prefix/share/dunok/Sounds\".*O_DIRECTORY.*) = [0-9]" "$work/files"; }
wait_until 20 sounds_listed ||
    fail "the installed Dunok did not list its sounds in $prefix/share/dunok/Sounds: $(cat "$work/dunok.log")"
if grep -q "\"$build/share/dunok" "$work/files"; then
    fail "the installed Dunok looked into the build tree: $(grep "\"$build/share/dunok" "$work/files" | head -n3)"
fi

kill -TERM "$dunok"
wait_until 20 process_gone "$dunok" || fail "the installed Dunok did not quit on SIGTERM"
wait "$tracer" && status=0 || status=$?
[[ $status -eq 0 ]] || fail "the installed Dunok ended with status $status: $(cat "$work/dunok.log")"
echo "PASS"
