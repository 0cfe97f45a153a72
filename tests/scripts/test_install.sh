#!/usr/bin/env bash
# An install under a prefix of its own (as /opt/dunok) is complete: the launcher entry and the
# software-centre description pass the validators and agree with each other and the version,
# the manual page renders cleanly and names every option of --help, and the installed program
# uses its own help, sounds and sound module, not the build tree's.
source "$(dirname "$0")/lib.sh"
setup_home
prefix=$work/opt/dunok
cmake --install "$build" --prefix "$prefix" >"$work/install.log" 2>&1 || fail "cmake --install"
# One id names the launcher entry, the software-centre description and the icon.
id=org.dunok.Dunok
desktop=$prefix/share/applications/$id.desktop
[[ -f $desktop ]] || fail "no launcher entry $id.desktop"
metainfo=$prefix/share/metainfo/org.dunok.Dunok.metainfo.xml
# The entry's own keys, not those of its launcher actions.
key() { sed -n "/^\[Desktop Entry\]/,/^\[/s/^$1=//p" "$desktop"; }
[[ -x "$prefix/bin/$(key Exec)" ]] || fail "the launcher runs '$(key Exec)', which is not installed"
# Debian 12's validator knows the entry format up to 1.4; SingleMainWindow is a
# key of 1.5 that desktops read, so that one complaint, and only it, is let by.
allowed='key "SingleMainWindow" in group "Desktop Entry", but keys extending the format'
complaints=$(desktop-file-validate "$desktop" 2>&1 | grep -vF "$allowed") || true
[[ -z $complaints ]] || fail "desktop-file-validate: $complaints"
# Any remark of the validator fails, down to its pedantic hints, save one: it
# would have the id in lowercase only, but the id is also the bus name Dunok
# has always had and must be the launcher entry's name with it.
allowed="P: $id:[0-9]+: cid-contains-uppercase-letter $id\$"
appstreamcli validate --pedantic --strict --no-net "$metainfo" >"$work/appstream.log" 2>&1 ||
    fail "appstreamcli validate: $(cat "$work/appstream.log")"
complaints=$(grep -E '^[EWIP]: ' "$work/appstream.log" | grep -vE "$allowed") || true
[[ -z $complaints ]] || fail "appstreamcli validate --pedantic: $complaints"
field() { sed -n "s:.*<$1[^>]*>\(.*\)</$1>.*:\1:p" "$metainfo" | head -n1; }
[[ $(field id) == "$id" ]] || fail "the metainfo's id is '$(field id)'"
[[ $(field launchable) == "$id.desktop" ]] || fail "the metainfo launches '$(field launchable)'"
[[ $(key Icon) == "$id" ]] || fail "the launcher entry's icon is '$(key Icon)'"
[[ $(field icon) == "$(key Icon)" ]] || fail "the metainfo and the launcher entry name different icons"
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
newest=$(grep -o '<release [^>]*version="[^"]*"' "$metainfo" | head -n1 | sed 's/.*version="//; s/"$//')
[[ -n $version && $newest == "$version" ]] ||
    fail "the newest release in the metainfo is '$newest', the project is at '$version'"
# "man dunok" finds the page where the prefix's manuals are looked for.
warnings=$(MANPATH=$prefix/share/man MANWIDTH=80 man --warnings dunok 2>&1 >"$work/page.txt") ||
    fail "man dunok does not show the installed page"
[[ -z $warnings ]] || fail "man warns: $warnings"
options=$(QT_QPA_PLATFORM=offscreen "$dunok" --help | grep -oE -- '--[a-z][a-z-]+' | sort -u |
    grep -vx -- '--help-all')
[[ -n $options ]] || fail "dunok --help listed no options"
for option in $options; do
    grep -qF -- "$option" "$work/page.txt" || fail "the manual page does not describe $option"
done
icons=$prefix/share/icons/hicolor
[[ -f "$icons/scalable/apps/$id.svg" ]] || fail "no scalable icon '$id'"
for size in 16 22 24 32 48 64 128 256; do
    [[ -f "$icons/${size}x$size/apps/$id.png" ]] || fail "no $size-pixel icon '$id'"
done
others=$(find "$icons" -type f ! -name "$id.svg" ! -name "$id.png")
[[ -z $others ]] || fail "icons of another name: $others"
diff -r "$build/share/dunok" "$prefix/share/dunok" || fail "the installed resources differ"
# The installed program as a desktop starts it, its files watched; xdg-open only takes notes.
start_session_bus
start_xvfb
mkdir -p "$work/bin"
printf '#!/bin/sh\nprintf "%%s" "$1" >"%s/opened"\n' "$work" >"$work/bin/xdg-open"
chmod +x "$work/bin/xdg-open"
export PATH=$work/bin:$PATH
# A login entry the release before the application id wrote, switched off in the session's
# settings since: the first start moves it to the new name, still off, with today's icon.
mkdir -p "$XDG_CONFIG_HOME/autostart"
printf '%s\n' '[Desktop Entry]' Type=Application Name=Dunok 'Comment=Starts Dunok in the tray' \
    Icon=dunok "Exec=$prefix/bin/dunok --hidden" Terminal=false X-GNOME-Autostart-enabled=false \
    >"$XDG_CONFIG_HOME/autostart/dunok.desktop"
start dunok strace -f -qq -e trace=openat,stat,newfstatat,statx -o "$work/files" \
    "$prefix/bin/dunok"
tracer=$pid
wait_until 60 have_main_window || fail "the installed Dunok showed no window"
window=$(main_window)
entry=$XDG_CONFIG_HOME/autostart/$id.desktop
wait_until 20 test -f "$entry" || fail "the earlier login entry was not moved to $id.desktop"
[[ ! -e $XDG_CONFIG_HOME/autostart/dunok.desktop ]] || fail "the earlier login entry is still there"
grep -qx "Icon=$id" "$entry" && grep -qx X-GNOME-Autostart-enabled=false "$entry" ||
    fail "the moved login entry: $(cat "$entry")"
# Desktops match the window to its launcher entry by this class (the second
# string of WM_CLASS; the first is the name the program was started by).
class=$(xprop -id "$window" WM_CLASS | sed -n 's/^WM_CLASS([A-Z]*) = "[^"]*", "\([^"]*\)"$/\1/p')
[[ -n $class && $class == "$(key StartupWMClass)" ]] ||
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
# The Wayland module is installed beside the sound module, and on X11 neither it nor the client
# library only it links is ever loaded.
compgen -G "$prefix/lib*/dunok/dunok-wayland.so" >/dev/null || fail "the install has no Wayland module"
! grep -E '(dunok-wayland|libwayland-client)\.so.*\) = [0-9]' "$work/files" ||
    fail "the installed Dunok loaded Wayland's libraries on X11"
stop "$(xdotool getwindowpid "$window")" TERM "$tracer"
echo "PASS"
