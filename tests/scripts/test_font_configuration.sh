#!/usr/bin/env bash
# The font configuration is read once per start, on a thread of its own beside the display's
# connection: Qt must find it loaded when the first widget asks for a font, since a second
# reading would cost the start what the thread saves. A configuration that cannot be read
# still lets the window come.
source "$(dirname "$0")/lib.sh"
open_desktop
# The system's fonts with no cache yet, as on the first start after fonts were installed: the
# reading then takes long enough that Qt would begin one of its own if it did not wait. And
# fontconfig names each configuration file it reads.
fonts=$work/fonts.conf
printf '%s\n' '<?xml version="1.0"?>' "<fontconfig><dir>/usr/share/fonts</dir>" \
    "<cachedir>$work/fontcache</cachedir></fontconfig>" >"$fonts"
launch FONTCONFIG_FILE="$fonts" FC_DEBUG=1024
quit_dunok # fontconfig's report is in the log once the program has ended
readings=$(grep -c "Loading config file from $fonts\$" "$work/dunok.log" || true)
[[ $readings == 1 ]] || fail "the font configuration was read $readings times"
[[ -n $(ls "$work/fontcache") ]] || fail "the fonts were not found through the configuration"

echo 'not a font configuration' >"$fonts"
launch FONTCONFIG_FILE="$fonts"
grep -q 'Fontconfig error' "$work/dunok.log" || fail "fontconfig did not meet the broken configuration"
quit_dunok
echo PASS
