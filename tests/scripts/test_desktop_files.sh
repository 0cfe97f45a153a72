#!/usr/bin/env bash
# The launcher entry and the software-centre description pass the desktop's
# own validators and agree with each other and with the program.
source "$(dirname "$0")/lib.sh"
build=$2
source_dir=$(cd "$(dirname "$0")/../.." && pwd)
desktop=$source_dir/resources/dunok.desktop
metainfo=$source_dir/resources/org.dunok.Dunok.metainfo.xml
setup_home

# Debian 12's validator knows the entry format up to 1.4; SingleMainWindow is a
# key of 1.5 that desktops read, so that one complaint, and only it, is let by.
validate_desktop() {
    local out
    out=$(desktop-file-validate "$1" 2>&1) || true
    grep -vF 'key "SingleMainWindow" in group "Desktop Entry", but keys extending the format should start with "X-"' <<<"$out" || true
}
command -v desktop-file-validate >/dev/null || fail "desktop-file-validate is not installed"
complaints=$(validate_desktop "$desktop")
[[ -z $complaints ]] || fail "desktop-file-validate: $complaints"
# The allowance above must not hide real faults.
grep -v '^Type=' "$desktop" >"$work/broken.desktop"
[[ -n $(validate_desktop "$work/broken.desktop") ]] || fail "the validator let an entry without Type pass"

grep -qx 'SingleMainWindow=true' "$desktop" || fail "the entry does not say Dunok has a single window"
grep -qx 'StartupNotify=true' "$desktop" || fail "the entry asks for no start-up notification"
grep -qx 'Categories=Utility;Clock;' "$desktop" || fail "the entry is not under Utility and Clock"

appstreamcli validate --no-net "$metainfo" >"$work/appstream.log" 2>&1 ||
    fail "appstreamcli validate: $(cat "$work/appstream.log")"

# The description launches this entry with this icon, the program's badge
# names the same entry, and the newest release is the version being built.
field() { sed -n "s:.*<$1[^>]*>\(.*\)</$1>.*:\1:p" "$metainfo" | head -n1; }
[[ $(field launchable) == "$(basename "$desktop")" ]] ||
    fail "the metainfo launches '$(field launchable)', not $(basename "$desktop")"
[[ $(field icon) == "$(sed -n 's/^Icon=//p' "$desktop")" ]] ||
    fail "the metainfo and the launcher entry name different icons"
grep -rqF "application://$(basename "$desktop")" "$source_dir/src" ||
    fail "the program's launcher badge does not name $(basename "$desktop")"
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
newest=$(grep -o '<release [^>]*version="[^"]*"' "$metainfo" | head -n1 | sed 's/.*version="//; s/"$//')
[[ -n $version && $newest == "$version" ]] ||
    fail "the newest release in the metainfo is '$newest', the project is at '$version'"
grep -q '<image[^>]*>https://' "$metainfo" || fail "the screenshot is not a web address"
echo "PASS"
