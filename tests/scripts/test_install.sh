#!/usr/bin/env bash
# An install under a prefix of its own (as /opt/dunok would be) is a complete
# desktop program: the launcher entry's program and icons are there, and the
# installed program shows its window and uses its own help, sounds and sound
# module, not the build tree's.
source "$(dirname "$0")/lib.sh"
build=$2
setup_home
prefix=$work/opt/dunok
cmake --install "$build" --prefix "$prefix" >"$work/install.log" 2>&1 || fail "cmake --install"

desktop=$prefix/share/applications/dunok.desktop
# The entry's own keys, not those of its launcher actions.
key() { sed -n "/^\[Desktop Entry\]/,/^\[/s/^$1=//p" "$desktop"; }
[[ -x "$prefix/bin/$(key Exec)" ]] || fail "the launcher runs '$(key Exec)', which is not installed"
[[ -f "$prefix/share/metainfo/org.dunok.Dunok.metainfo.xml" ]] || fail "no metainfo installed"
[[ -f "$prefix/share/man/man1/dunok.1" ]] || fail "no manual page installed"
# "man dunok" finds it where the prefix's manuals are looked for, and shows it.
shown=$(MANPATH=$prefix/share/man MANWIDTH=80 man dunok 2>/dev/null) || fail "man dunok failed"
grep -q -- "--start" <<<"$shown" || fail "man dunok does not show the installed page"
icons=$prefix/share/icons/hicolor
[[ -f "$icons/scalable/apps/$(key Icon).svg" ]] || fail "no scalable icon '$(key Icon)'"
for size in 16x16 24x24 32x32 48x48 64x64 128x128 256x256; do
    [[ $(identify -format '%wx%h' "$icons/$size/apps/$(key Icon).png") == "$size" ]] ||
        fail "no $size icon"
done
diff -r "$build/share/dunok" "$prefix/share/dunok" || fail "the installed resources differ"

# Run the installed program as a desktop would start it, watching which files
# it opens; its "desktop" only notes what it is asked to open.
start_session_bus
start_xvfb
mkdir -p "$work/bin"
printf '#!/bin/sh\nprintf "%%s" "$1" >"%s/opened"\n' "$work" >"$work/bin/xdg-open"
chmod +x "$work/bin/xdg-open"
export PATH=$work/bin:$PATH
start dunok strace -f -qq -e trace=openat,stat,newfstatat,statx -o "$work/files" \
    "$prefix/bin/dunok"
tracer=$pid
window=$(first_window) || fail "the installed Dunok showed no window"
dunok=$(xdotool getwindowpid "$window")
xwininfo -id "$window" | grep -q "Map State: IsViewable" || fail "the window is not mapped"
# Desktops match the window to its launcher entry by this class.
xprop -id "$window" WM_CLASS | grep -qF "\"$(key StartupWMClass)\"" ||
    fail "window class $(xprop -id "$window" WM_CLASS) does not match the launcher entry"

xdotool windowfocus --sync "$window" key F1
wait_until 20 test -s "$work/opened" || fail "Help opened nothing"
[[ $(cat "$work/opened") == "file://$prefix/share/dunok/help.pdf" ]] ||
    fail "Help opened $(cat "$work/opened"), not the installed guide"
# The timer editor lists the sounds, which it must read from the install.
xdotool windowfocus --sync "$window" key ctrl+n
sounds_listed() { grep -q "openat(.*\"$prefix/share/dunok/Sounds\".*O_DIRECTORY.*) = [0-9]" "$work/files"; }
wait_until 20 sounds_listed || fail "the installed Dunok did not list $prefix/share/dunok/Sounds"
# Its Play button (the description, the sound, then Play) is the first sound, which loads the
# sound module: the installed one too.
# The sounds are listed while the editor is built, before it shows.
editor_window() { xdotool search --onlyvisible --class dunok | grep -vx "$window" | grep -m1 .; }
wait_until 20 editor_window > /dev/null || fail "no editor window"
editor=$(editor_window)
xdotool windowfocus --sync "$editor" key --delay 100 Tab Tab space
module_loaded() { grep -q "openat(.*\"$prefix/lib[^\"]*/dunok/dunok-sound\.so\".*) = [0-9]" "$work/files"; }
wait_until 20 module_loaded || fail "the installed Dunok did not load its own sound module"
! grep -E "\"$build/(share|lib)/" "$work/files" || fail "the installed Dunok looked into the build tree"
stop "$dunok" TERM "$tracer"
echo "PASS"
