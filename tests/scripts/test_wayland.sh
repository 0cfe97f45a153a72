#!/usr/bin/env bash
# Under weston (no activation) and sway: the window shows, a timer started over the
# accessibility bus (there is no keyboard) rings, and the window asks for activation only where
# it is offered (and sway then gives Dunok the focus back from another program).
source "$(dirname "$0")/lib.sh"
# The compositor knows the window by Dunok's application id, its launcher entry's name.
id=org.dunok.Dunok
under() {
    compositor=$1
    setup_home
    start_session_bus
    start_sound_server
    "start_$compositor"
    start_accessibility_bus
    write_prefs prefsSendNotification=false prefsQuietWithMouse=false prefsBringToFront=true
    egg_store 2
    # The log holds the client's side of the protocol: what is offered and asked.
    start dunok env QT_QPA_PLATFORM=wayland QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 WAYLAND_DEBUG=client "$dunok"
    app=$pid log=$work/dunok.log
    # A window: a toplevel titled Dunok whose surface was committed with a buffer.
    window_shown() {
        awk '/xdg_wm_base@[0-9]+\.get_xdg_surface\(/ {
                 match($0, /xdg_surface@[0-9]+/); x = substr($0, RSTART, RLENGTH)
                 match($0, /wl_surface@[0-9]+\)/); surface[x] = substr($0, RSTART, RLENGTH - 1) }
             /xdg_surface@[0-9]+\.get_toplevel\(/ {
                 match($0, /xdg_surface@[0-9]+/); x = substr($0, RSTART, RLENGTH)
                 match($0, /xdg_toplevel@[0-9]+/); toplevel[substr($0, RSTART, RLENGTH)] = surface[x] }
             /xdg_toplevel@[0-9]+\.set_title\("Dunok"\)/ {
                 match($0, /xdg_toplevel@[0-9]+/); main = toplevel[substr($0, RSTART, RLENGTH)] }
             main != "" && index($0, main ".attach(wl_buffer@") { attached = 1 }
             attached && index($0, main ".commit()") { found = 1; exit }
             END { exit !found }' "$log"
    }
    wait_until 60 window_shown || fail "Dunok showed no window on the compositor"
    wait_until 30 probe ready >/dev/null || fail "Dunok did not come onto the accessibility bus"
    if [[ $compositor == sway ]]; then
        # Another program's window takes the focus, as when the user works on.
        wait_until 10 eval '[[ $(sway_focused) == "$id" ]]' || fail "sway did not focus Dunok at start"
        start other weston-flower
        wait_until 10 eval '[[ $(sway_focused) != "$id" ]]' || fail "the other window took no focus"
    fi
    probe select 0 >/dev/null || fail "the quick timer's row could not be selected"
    [[ $(probe cell 0 0) == "Quick egg" ]] || fail "row 0 is '$(probe cell 0 0)', not the quick timer"
    probe press "Start or Stop" >/dev/null || fail "the Timer menu's Start or Stop could not be used"
    wait_until 15 sound_playing || fail "the quick timer did not ring"
    wait_until 5 eval '[[ $(probe cell 0 1) == Finished* ]]' || fail "the row reads '$(probe cell 0 1)'"
    # Without activation Qt is not asked at all, so nothing is logged.
    if grep -q 'wl_registry@[0-9]*\.global([0-9]*, "xdg_activation_v1"' "$log"; then
        wait_until 5 grep -qE -- '-> xdg_activation_v1@[0-9]+\.activate\("[^"]+", wl_surface@' "$log" ||
            fail "the compositor offers activation, but Dunok did not ask it"
        [[ $compositor != sway ]] || wait_until 5 eval '[[ $(sway_focused) == "$id" ]]' ||
            fail "sway focused '$(sway_focused)', not Dunok, after the finish"
    else
        ! grep -q 'xdg_activation' "$log" || fail "Dunok spoke of activation to a compositor without it"
    fi
    [[ $compositor != sway ]] || grep -q 'xdg_activation_v1' "$log" || fail "sway offered no activation"
    quit_dunok
    # Its own words on the console, apart from the protocol: nothing of Wayland.
    ! grep -v '^\[' "$log" | grep -iE 'wayland|activat|qt\.qpa' || fail "Dunok complained about Wayland"
}
(under weston) || exit 1
command -v sway >/dev/null || fail "sway is not installed (make deps installs it)"
(under sway) || exit 1
echo "PASS"
