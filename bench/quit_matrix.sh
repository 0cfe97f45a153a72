#!/usr/bin/env bash
# Quits the real program again and again at its worst moments and counts how
# each quit ended. Not part of `make test` (it takes the better part of an
# hour at 50 runs a cell); tests/scripts/test_quit_mid_alarm.sh runs a few of
# the same quits under the sanitizers on every test run.
#
#   bench/quit_matrix.sh DUNOK [RUNS] [JOBS] [CELL...]
#
# A cell is METHOD/MOMENT with METHOD one of ctrlq term int tray and MOMENT one
# of alarm preview sheet calendar many due, or the cell "logout". Every cell by
# default. Each job has a desktop of its own: Xvfb, a session bus, PulseAudio
# with a null sink, openbox and the trayer tray; a logout run gets a fresh one
# and kills it. Prints one table row per cell: runs, exit 0, crashed
# (signal), other exit status, hung (no exit within 30 s), sanitizer or crash
# report in the log, store damaged, and runs where the moment was never reached
# (not quits, counted apart).
here=$(cd "$(dirname "$0")" && pwd)
source "$here/../tests/scripts/lib.sh"  # and the desktop's parts
set +e  # a failing step is counted, not fatal
dunok=$(readlink -f "$1")
runs=${2:-50}
jobs=${3:-2}
shift $(($# < 3 ? $# : 3))
methods=(ctrlq term int tray)
moments=(alarm preview sheet calendar many due)
cells=("$@")
if ((${#cells[@]} == 0)); then
    for method in "${methods[@]}"; do
        for moment in "${moments[@]}"; do cells+=("$method/$moment"); done
    done
    cells+=(logout)
fi

timers_sql() {
    local sql="INSERT INTO Timers (desc, duration, sound) VALUES ('Quick egg', $1, 'Vintage Alarm Clock'), ('Slow stew', 3600, 'Vintage Alarm Clock')"
    local i
    for ((i = 0; i < $2; i++)); do sql+=", ('Batch $i', $((7200 + i)), 'Chimes')"; done
    echo "$sql"
}

# A desktop for one job, in the current setup_home.
start_desktop() {
    start_xvfb
    start_session_bus
    start_sound_server
    start_window_manager
    start_tray_host
}

# The list gets the keyboard and its first row is selected.
select_first_row() {
    local w
    w=$(main_window)
    [[ -n $w ]] || return 1
    xdotool windowactivate --sync "$w" 2>/dev/null || xdotool windowfocus --sync "$w"
    xdotool key --clearmodifiers Down Up
}

launcher_count() { grep -q "int64 $1\$" "$work/launcher.log"; }
# The calendar popover: a month's grid, smaller than the main window.
have_popover() {
    [[ -n $(dunok_windows | awk '$4 == "Dunok" && $2 < 400 && $3 >= 120 { print $1; exit }') ]]
}

# reach MOMENT: drives the running Dunok to it; false when it was not reached.
reach() {
    case $1 in
        alarm)
            select_first_row && xdotool key Return && wait_until 10 sound_playing ;;
        due)
            # The quit lands somewhere in the 0.6 s around the finish.
            select_first_row && xdotool key Return &&
                sleep "$(printf '1.%03d' $((700 + RANDOM % 600)))" ;;
        preview)
            select_first_row && xdotool key ctrl+n && wait_until 10 have_editor &&
                xdotool key Tab Tab space && wait_until 10 sound_playing ;;
        sheet)
            select_first_row && xdotool key ctrl+n && wait_until 10 have_editor ;;
        calendar)
            # Backwards from the description: Save, Close, Start, When it
            # finishes (its rounds are off for "Stop"), the heads-up, Snooze
            # (its length is off for a new timer), Calendar.
            select_first_row && xdotool key ctrl+n && wait_until 10 have_editor &&
                xdotool key shift+Tab shift+Tab shift+Tab shift+Tab shift+Tab shift+Tab \
                    shift+Tab space &&
                wait_until 10 have_popover ;;
        many)
            select_first_row || return 1
            local keys=() i
            for ((i = 0; i < 100; i++)); do keys+=(Down Return); done
            xdotool key "${keys[@]}" && wait_until 20 launcher_count 100 && sleep 1.2 ;;
    esac
}


# quit METHOD: asks the running Dunok ($app) to quit that way.
quit() {
    case $1 in
        ctrlq) xdotool key --clearmodifiers ctrl+q ;;
        term) kill -TERM "$app" ;;
        int) kill -INT "$app" ;;
        tray)
            local icon attempt
            wait_until 10 have_tray_icon
            icon=$(tray_icon_window)
            [[ -n $icon ]] || return 1
            # A first click may only close a popover that is open.
            for attempt in 1 2; do
                xdotool mousemove --window "$icon" 10 10 click 3
                wait_until 2 have_tray_menu && break
            done
            have_tray_menu || return 1
            xdotool key Up Return ;;
    esac
}

store_whole() {
    local store=$XDG_DATA_HOME/Dunok/TimerModel.sqlite
    [[ $(sqlite3 -readonly "$store" 'PRAGMA integrity_check') == ok ]] &&
        [[ $(sqlite3 -readonly "$store" 'SELECT count(*) FROM Timers') == "$1" ]]
}

# one_run CELL TEMPLATE: one launch and quit; prints the outcome's word.
one_run() {
    local cell=$1 template=$2 method=${1%%/*} moment=${1#*/}
    rm -rf "$XDG_DATA_HOME" "$XDG_CONFIG_HOME" "$HOME"
    mkdir -p "$XDG_DATA_HOME" "$HOME"
    cp -a "$template/data/." "$XDG_DATA_HOME/"
    cp -a "$template/config" "$XDG_CONFIG_HOME"
    local count
    count=$(sqlite3 -readonly "$XDG_DATA_HOME/Dunok/TimerModel.sqlite" 'SELECT count(*) FROM Timers')
    [[ $cell == logout ]] && { method=term moment=alarm; }

    start launcher dbus-monitor --session "interface='com.canonical.Unity.LauncherEntry'"
    local monitor=$pid
    wait_until 10 test -s "$work/launcher.log"
    start dunok env QT_QPA_PLATFORM=xcb "$dunok"
    app=$pid
    local outcome=""
    if ! wait_until 60 have_main_window || ! reach "$moment"; then
        outcome=unreached
    elif [[ $cell == logout ]]; then
        kill -TERM "$app"
        sleep "$(printf '0.%03d' $((RANDOM % 301)))"
        # The session's servers go all at once, as at the end of a logout.
        kill -KILL "${desktop_pids[@]}" 2>/dev/null
    elif ! quit "$method"; then
        outcome=unreached
    fi
    local status=0
    if ! wait_until 30 process_gone "$app"; then
        kill -KILL "$app"
        [[ -n $outcome ]] || outcome=hung
    fi
    wait "$app" 2>/dev/null || status=$?
    kill "$monitor" 2>/dev/null
    wait "$monitor" 2>/dev/null
    if [[ -n $outcome ]]; then
        :
    elif ((status > 128)); then
        outcome=crashed
    elif ((status != 0)); then
        outcome=status$status
    elif has_crash_report "$work/dunok.log"; then
        outcome=report
    elif ! store_whole "$count"; then
        outcome=store
    else
        outcome=ok
    fi
    if [[ $outcome != ok ]]; then
        mkdir -p "$results/logs"
        cp "$work/dunok.log" "$results/logs/${cell//\//-}.$BASHPID.$RANDOM.$outcome.log"
    fi
    echo "$outcome"
}

# job N: runs its share of every cell.
job() {
    local n=$1
    setup_home
    xvfb_pid="" desktop_pids=()
    local template=$work/template
    mkdir -p "$template"
    # Stores made once per job: a 1-second timer, a 2-second one, and 100 more.
    make_template() {
        local name=$1 seconds=$2 batch=$3
        XDG_DATA_HOME=$template/$name/data XDG_CONFIG_HOME=$template/$name/config
        mkdir -p "$XDG_DATA_HOME"
        store=$XDG_DATA_HOME/Dunok/TimerModel.sqlite
        write_prefs prefsSendNotification=true prefsQuietWithMouse=false
        make_store "$(timers_sql "$seconds" "$batch")"
    }
    (export QT_QPA_PLATFORM=offscreen; start_session_bus
     template_bus=${pids_to_stop[-1]}
     make_template short 1 0; make_template due 2 0; make_template many 1 100
     kill "$template_bus" 2>/dev/null)
    export XDG_DATA_HOME=$work/data XDG_CONFIG_HOME=$work/config
    local cell i
    for cell in "${cells[@]}"; do
        local kind=short
        [[ $cell == */due ]] && kind=due
        [[ $cell == */many ]] && kind=many
        for ((i = n; i < runs; i += jobs)); do
            if [[ $cell == logout || -z $xvfb_pid ]] || ! kill -0 "$xvfb_pid" 2>/dev/null; then
                start_desktop_tracked
            fi
            echo "$cell $(one_run "$cell" "$template/$kind")" >>"$results/outcomes"
            [[ $cell == logout ]] && xvfb_pid=""
        done
    done
}

start_desktop_tracked() {
    local first=${#pids_to_stop[@]}
    start_desktop
    desktop_pids=("${pids_to_stop[@]:first}")
    xvfb_pid=${pids_to_stop[first]}
}

results=$(mktemp -d)
for ((n = 0; n < jobs; n++)); do
    (job "$n") &
done
wait

printf '| cell | runs | exit 0 | crashed | other status | hung | report | store | unreached |\n'
printf '|---|---|---|---|---|---|---|---|---|\n'
for cell in "${cells[@]}"; do
    awk -v cell="$cell" '$1 == cell {
            n++; c[$2]++
            if ($2 ~ /^status/) other++
        } END {
            printf "| %s | %d | %d | %d | %d | %d | %d | %d | %d |\n", cell, n - c["unreached"],
                c["ok"], c["crashed"], other, c["hung"], c["report"], c["store"], c["unreached"]
        }' "$results/outcomes"
done
echo "outcomes and logs of failed runs: $results"
