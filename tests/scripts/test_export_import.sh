#!/usr/bin/env bash
# --export and --import with and without a running Dunok: the timers go out and come back with
# their routine, a name that clashes is renamed, and a bad file is refused with status 5 and
# nothing changed.
source "$(dirname "$0")/lib.sh"
setup_home
start_session_bus
export QT_QPA_PLATFORM=offscreen
expect() { # expect STATUS ARGS...: dunok ARGS exits with STATUS, its output in $work/out and err
    local status=0
    timeout 30 "$dunok" "${@:2}" >"$work/out" 2>"$work/err" || status=$?
    [[ $status -eq $1 ]] || fail "dunok ${*:2} exited $status, not $1: $(cat "$work/err")"
}
refuses() { # refuses TEXT FILE: --import FILE exits 5 saying TEXT, and the list stays as it was
    local before
    before=$("$dunok" --list | cut -f1,2)
    expect 5 --import "$2"
    grep -qF -- "$1" "$work/err" && grep -qF "No timer was imported." "$work/err" ||
        fail "no '$1' or no word of nothing imported in: $(cat "$work/err")"
    [[ $("$dunok" --list | cut -f1,2) == "$before" ]] || fail "a refused import changed the list"
}
# JSON of the file as one line per timer: description, then, times, timer.
routine_of() {
    python3 -c 'import json, sys
for t in json.load(open(sys.argv[1]))["timers"]:
    w = t.get("whenFinished", {})
    print(t["description"], w.get("then"), w.get("times"), w.get("timer", "-"), sep="|")' "$1"
}

# A new user, no Dunok: the export is the ready-made timers, and nothing is written but the file.
expect 0 --export "$work/first.json"
grep -qx "Exported 19 timers to “$work/first.json”." "$work/out" || fail "said: $(cat "$work/out")"
[[ ! -e $XDG_DATA_HOME/Dunok && ! -e $XDG_CONFIG_HOME/Dunok ]] || fail "--export made files"
[[ $(routine_of "$work/first.json" | head -1) == "1 minute|stop|0|-" ]] ||
    fail "first.json begins: $(routine_of "$work/first.json" | head -1)"

# Bad files, before any store exists: refused, and still nothing made (every fault a file can
# have is tst_timerfile's).
printf '{"format": "dunok-timers",\n "version": 1, "timers": [' >"$work/cut.json"
expect 5 --import "$work/cut.json"
grep -qF "not JSON" "$work/err" && grep -qF "line 2" "$work/err" || fail "said: $(cat "$work/err")"
expect 5 --import "$work/absent.json"
[[ ! -e $store ]] || fail "a refused import made a store"

# Offline: the routine arrives after the ready-made timers, linked.
cat >"$work/routine.json" <<'EOF'
{"format": "dunok-timers", "version": 1, "timers": [
  {"description": "Work", "seconds": 1500, "sound": "Chimes", "warnBefore": 2,
   "snooze": {"on": true, "minutes": 10}, "future": "ignored",
   "whenFinished": {"then": "start", "times": 4, "timer": "Break"}},
  {"description": "Break", "seconds": 300, "sound": "Chimes",
   "whenFinished": {"then": "start", "timer": "Work"}},
  {"description": "1 minute", "seconds": 60}]}
EOF
expect 0 --import "$work/routine.json"
grep -qx "Imported 3 timers." "$work/out" || fail "said: $(cat "$work/out")"
[[ $("$dunok" --list | wc -l) -eq 22 ]] || fail "listed: $("$dunok" --list)"
"$dunok" --list | grep -qP '^1 minute 2\tstopped\t1:00$' || fail "the clash was not renamed"
expect 0 --export "$work/offline.json"
routine_of "$work/offline.json" | tail -3 >"$work/tail"
[[ $(cat "$work/tail") == "Work|start|4|Break
Break|start|0|Work
1 minute 2|stop|0|-" ]] || fail "the exported routine: $(cat "$work/tail")"

# With Dunok running: the same commands go through it, and its list shows the import at once.
start dunok "$dunok" && app=$pid
wait_until 30 bus_has_owner org.dunok.Dunok || fail "Dunok did not answer on the bus"
expect 0 --start Work
expect 0 --export "$work/online.json"
cmp -s <(routine_of "$work/online.json") <(routine_of "$work/offline.json") ||
    fail "the running Dunok exported otherwise: $(diff <(routine_of "$work/online.json") \
        <(routine_of "$work/offline.json"))"
cat >"$work/gong.json" <<'EOF'
{"format": "dunok-timers", "version": 1, "timers": [
  {"description": "Gong", "seconds": 90, "sound": "Temple Gong"}]}
EOF
expect 0 --import "$work/gong.json"
grep -qF "Imported 1 timer." "$work/out" && grep -qF "“Temple Gong”" "$work/out" ||
    fail "said: $(cat "$work/out")"
"$dunok" --list | grep -qP '^Gong\tstopped\t1:30$' || fail "the running Dunok does not list Gong"
"$dunok" --list | grep -qP '^Work\trunning\t' || fail "the import stopped Work"
echo '{"format": "dunok-timers", "version": 1, "timers": [{"description": "Ok", "seconds": 60},
    {"description": "Odd", "seconds": -60}]}' >"$work/negative.json"
refuses "Timer 2 (“Odd”): “seconds”" "$work/negative.json"
truncate -s 100M "$work/huge.json"
refuses "100 MB" "$work/huge.json"
grep -q "org.dunok.Dunok.Error.BadFile" <(gdbus call --session --dest org.dunok.Dunok \
    --object-path /org/dunok/Dunok --method org.dunok.Dunok.ImportTimers "[byte 0x7b]" 2>&1) ||
    fail "ImportTimers of a cut file is not a BadFile error"
# An export that cannot be written says so and leaves nothing.
expect 5 --export "$work/no folder/timers.json"
grep -qF "no folder/timers.json" "$work/err" || fail "said: $(cat "$work/err")"
[[ ! -e "$work/no folder" ]] || fail "a failed export left something"
stop "$app"
echo "PASS"
