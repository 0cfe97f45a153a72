#!/usr/bin/env bash
# An install under a prefix of its own (as /opt/dunok would be) is a complete
# desktop program: the launcher entry's program and icons are there, and the
# installed program shows its window and uses its own help, sounds and sound
# module, not the build tree's.
source "$(dirname "$0")/lib.sh"
setup_home
prefix=$work/opt/dunok
cmake --install "$build" --prefix "$prefix" >"$work/install.log" 2>&1 || fail "cmake --install"
desktop=$prefix/share/applications/dunok.desktop
# The entry's own keys, not those of its launcher actions.
key() { sed -n "/^\[Desktop Entry\]/,/^\[/s/^$1=//p" "$desktop"; }
[[ -x "$prefix/bin/$(key Exec)" ]] || fail "the launcher runs '$(key Exec)', which is not installed"
[[ -f "$prefix/share/metainfo/org.dunok.Dunok.metainfo.xml" ]] || fail "no metainfo installed"
# "man dunok" finds it where the prefix's manuals are looked for.
MANPATH=$prefix/share/man MANWIDTH=80 man dunok 2>/dev/null | grep -q -- "--start" ||
    fail "man dunok does not show the installed page"
icons=$prefix/share/icons/hicolor
[[ -f "$icons/scalable/apps/$(key Icon).svg" ]] || fail "no scalable icon '$(key Icon)'"
for size in 16x16 24x24 32x32 48x48 64x64 128x128 256x256; do
    [[ $(identify -format '%wx%h' "$icons/$size/apps/$(key Icon).png") == "$size" ]] ||
        fail "no $size icon"
done
diff -r "$build/share/dunok" "$prefix/share/dunok" || fail "the installed resources differ"

# The installed program as a desktop starts it, its files watched; xdg-open only takes notes.
start_session_bus
start_xvfb
mkdir -p "$work/bin"
printf '#!/bin/sh\nprintf "%%s" "$1" >"%s/opened"\n' "$work" >"$work/bin/xdg-open"
chmod +x "$work/bin/xdg-open"
export PATH=$work/bin:$PATH
start dunok strace -f -qq -e trace=openat,stat,newfstatat,statx -o "$work/files" \
    "$prefix/bin/dunok"
tracer=$pid
wait_until 60 have_main_window || fail "the installed Dunok showed no window"
window=$(main_window)
# Desktops match the window to its launcher entry by this class.
xprop -id "$window" WM_CLASS | grep -qF "\"$(key StartupWMClass)\"" ||
    fail "window class $(xprop -id "$window" WM_CLASS) does not match the launcher entry"
xdotool windowfocus --sync "$window" key F1
wait_until 20 test -s "$work/opened" || fail "Help opened nothing"
[[ $(cat "$work/opened") == "file://$prefix/share/dunok/help.pdf" ]] ||
    fail "Help opened $(cat "$work/opened"), not the installed guide"
# The editor lists the sounds as it is built; its Play button loads the sound module.
xdotool windowfocus --sync "$window" key ctrl+n
opened() { grep -q "openat(.*\"$prefix/$1\".*) = [0-9]" "$work/files"; }
wait_until 20 opened "share/dunok/Sounds" || fail "the installed Dunok did not list its sounds"
wait_until 20 have_editor || fail "no editor window"
xdotool windowfocus --sync "$(editor_window)" key --delay 100 Tab Tab space
wait_until 20 opened "lib[^\"]*/dunok/dunok-sound\.so" || fail "the installed sound module was not loaded"
! grep -E "\"$build/(share|lib)/" "$work/files" || fail "the installed Dunok looked into the build tree"
stop "$(xdotool getwindowpid "$window")" TERM "$tracer"
echo "PASS"
