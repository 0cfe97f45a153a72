#!/usr/bin/env bash
# With the desktop's real settings portal and its GNOME settings back end: Dunok starts dark when
# the user prefers dark, and its list turns light and dark again as the user switches; with a
# platform theme asked for, the look is the theme's and the preference is not followed.
source "$(dirname "$0")/lib.sh"
setup_home
start_xvfb
# The portal and its back end are started by the bus on first use, as a desktop without systemd
# does; what they need they find in this environment, which the bus hands on to them. The
# settings live in a dconf database of the test's own, under XDG_CONFIG_HOME.
export XDG_CURRENT_DESKTOP=GNOME GSETTINGS_BACKEND=dconf
mkdir -p "$work/services"
for service in org.freedesktop.portal.Desktop org.freedesktop.impl.portal.desktop.gtk \
    org.freedesktop.impl.portal.PermissionStore ca.desrt.dconf; do
    cp "/usr/share/dbus-1/services/$service.service" "$work/services/" ||
        fail "no $service: is the portal installed (make deps)?"
done
printf '%s\n' "<busconfig><type>session</type><listen>unix:dir=$XDG_RUNTIME_DIR</listen>" \
    "<servicedir>$work/services</servicedir><auth>EXTERNAL</auth>" \
    '<policy context="default"><allow send_destination="*" eavesdrop="true"/>' \
    '<allow eavesdrop="true"/><allow own="*"/></policy></busconfig>' \
    >"$work/bus.conf"
out=$(dbus-daemon --config-file="$work/bus.conf" --fork --print-address=1 --print-pid=1)
export DBUS_SESSION_BUS_ADDRESS=${out%%$'\n'*}
pids_to_stop+=("${out##*$'\n'}")

prefer() { gsettings set org.gnome.desktop.interface color-scheme "$1"; }
# The scheme as the portal tells it (Read: this portal's version has no ReadOne).
portal_scheme() {
    dbus-send --session --print-reply --reply-timeout=5000 --dest=org.freedesktop.portal.Desktop \
        /org/freedesktop/portal/desktop org.freedesktop.portal.Settings.Read \
        string:org.freedesktop.appearance string:color-scheme 2>/dev/null |
        awk '/uint32/ { print $NF }'
}
# The lightness (0-255) of the list's ground, below its rows.
list_ground() {
    local w=$(main_window) height
    height=$(xdotool getwindowgeometry "$w" | sed -n 's/.*Geometry: [0-9]*x//p')
    import -window "$w" -crop "1x1+30+$((height - 60))" -colorspace gray -depth 8 txt:- 2>/dev/null |
        awk -F'[()]' 'NR > 1 { split($2, c, ","); print int(c[1]); exit }'
}
list_is_dark() { (($(list_ground) < 60)); }
list_is_light() { (($(list_ground) > 200)); }
# tools/screenshot_schemes.sh takes its pictures here, in both looks.
picture() { [[ -z ${DUNOK_SCREENSHOT_DIR:-} ]] || import -window "$(main_window)" "$DUNOK_SCREENSHOT_DIR/$1"; }

write_prefs
make_store "INSERT INTO Timers (desc, duration, sound) VALUES ('Tea', 180, 'Chimes')"
prefer prefer-dark
# Once up, the portal answers at once: the first start of a portal and its back end on a busy
# machine can take longer than Dunok waits before it shows light.
wait_until 60 eval '[[ $(portal_scheme) == 1 ]]' || fail "the portal does not say dark"

# Who asks the portal for its settings, one line per question.
start monitor dbus-monitor --session "type='method_call',interface='org.freedesktop.portal.Settings'" \
    "type='signal',interface='org.freedesktop.portal.Settings'"
wait_until 10 grep -q NameAcquired "$work/monitor.log" || fail "dbus-monitor did not start"
questions() { grep -cE 'member=Read(One)?$' "$work/monitor.log" || true; }
asked=$(questions)
launch
wait_until 10 eval '(($(questions) > asked))' || fail "Dunok did not ask the portal"
wait_until 20 list_is_dark || fail "Dunok started light (lightness $(list_ground)) though dark is preferred"
picture main-window-dark.png
prefer default
wait_until 20 list_is_light || fail "the list stayed dark (lightness $(list_ground)) after the switch to light"
picture main-window-light.png
prefer prefer-dark
wait_until 20 list_is_dark || fail "the list stayed light (lightness $(list_ground)) after the switch to dark"
quit_dunok

# A platform theme the user asked for draws the palette; Dunok does not turn it dark.
asked=$(questions)
launch QT_QPA_PLATFORMTHEME=dunok-test-none
# It asks before its window is made: by now a question would be on the bus.
(($(questions) == asked)) || fail "with a platform theme asked for, Dunok still asked the portal"
list_is_light || fail "with a platform theme asked for, the list is dark (lightness $(list_ground))"
quit_dunok
echo "PASS"
