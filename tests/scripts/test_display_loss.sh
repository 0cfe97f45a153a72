#!/usr/bin/env bash
# A logout takes the X display away while Dunok quits. The last moment it can go is as Qt closes
# its connection, after Dunok's own last look at it: the X library then meets the broken
# connection, and Qt's handler ends the program with status 1. A quit that was asked for must
# still end with 0, saying why, also when it was asked by a SIGTERM that no thread has taken yet;
# an unasked one stays Qt's failure.
source "$(dirname "$0")/lib.sh"
quitter=$build/tests/display_loss_quit
[[ -x $quitter ]] || fail "no program at $quitter (build the target display_loss_quit)"
setup_home
# quit_as MODE STATUS SAID: on a display of its own, which goes as Qt closes it.
quit_as() {
    start_xvfb
    local status=0
    DUNOK_TEST_X_SERVER_PID=${pids_to_stop[-1]} QT_QPA_PLATFORM=xcb "$quitter" "$1" \
        >"$work/$1.log" 2>&1 || status=$?
    [[ $status == "$2" ]] || fail "$1: the quit ended with status $status: $(cat "$work/$1.log")"
    grep -q "$3" "$work/$1.log" || fail "$1: no \"$3\": $(cat "$work/$1.log")"
}
quit_as --quit 0 "The display went away while Dunok was quitting"
quit_as --terminated 0 "The display went away while Dunok was quitting"
quit_as --no-quit 1 "The X11 connection broke"
echo PASS
