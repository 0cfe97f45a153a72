# shellcheck shell=bash
# A virtual X display of the test's own, for tests that need real windows.
# Source after lib.sh and call after setup_home; cleanup stops the server.
start_xvfb() {
    # -displayfd picks a free display number and reports it once the server
    # accepts clients, so parallel tests never race for a number.
    Xvfb -displayfd 1 -screen 0 1280x800x24 -nolisten tcp >"$work/display" 2>"$work/xvfb.log" &
    pids_to_stop+=($!)
    wait_until 20 test -s "$work/display" || fail "Xvfb did not start: $(cat "$work/xvfb.log")"
    DISPLAY=:$(head -n1 "$work/display")
    export DISPLAY
}

# The window id of the first visible window of class $1, within $2 seconds.
wait_for_window() {
    timeout "$2" xdotool search --sync --onlyvisible --class "$1" 2>/dev/null | head -n1
}
