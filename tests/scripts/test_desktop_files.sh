#!/usr/bin/env bash
# The launcher entry and the software-centre description pass the desktop's own
# validators and agree with each other, with the program and with its version;
# the manual page renders without a warning and names every option of --help.
source "$(dirname "$0")/lib.sh"
desktop=$source_dir/resources/dunok.desktop
metainfo=$source_dir/resources/org.dunok.Dunok.metainfo.xml
setup_home
# Debian 12's validator knows the entry format up to 1.4; SingleMainWindow is a
# key of 1.5 that desktops read, so that one complaint, and only it, is let by.
allowed='key "SingleMainWindow" in group "Desktop Entry", but keys extending the format'
complaints=$(desktop-file-validate "$desktop" 2>&1 | grep -vF "$allowed") || true
[[ -z $complaints ]] || fail "desktop-file-validate: $complaints"
appstreamcli validate --no-net "$metainfo" >"$work/appstream.log" 2>&1 || fail "appstreamcli validate"
field() { sed -n "s:.*<$1[^>]*>\(.*\)</$1>.*:\1:p" "$metainfo" | head -n1; }
[[ $(field launchable) == dunok.desktop ]] || fail "the metainfo launches '$(field launchable)'"
[[ $(field icon) == "$(sed -n 's/^Icon=//p' "$desktop")" ]] ||
    fail "the metainfo and the launcher entry name different icons"
grep -rqF "application://dunok.desktop" "$source_dir/src" ||
    fail "the program's launcher badge does not name dunok.desktop"
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
newest=$(grep -o '<release [^>]*version="[^"]*"' "$metainfo" | head -n1 | sed 's/.*version="//; s/"$//')
[[ -n $version && $newest == "$version" ]] ||
    fail "the newest release in the metainfo is '$newest', the project is at '$version'"

warnings=$(MANWIDTH=80 man --warnings -l "$source_dir/resources/dunok.1" 2>&1 >"$work/page.txt") ||
    fail "man could not render the page"
[[ -z $warnings ]] || fail "man warns: $warnings"
options=$(QT_QPA_PLATFORM=offscreen "$dunok" --help | grep -oE -- '--[a-z][a-z-]+' | sort -u |
    grep -vx -- '--help-all')
[[ -n $options ]] || fail "dunok --help listed no options"
for option in $options; do
    grep -qF -- "$option" "$work/page.txt" || fail "the manual page does not describe $option"
done
echo "PASS"
