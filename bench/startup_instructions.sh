#!/usr/bin/env bash
# Start-up in instructions: what each program executes, in all its threads,
# from launch to its window's show() and to the end of its first paint,
# counted by callgrind, for the same programs and desktop sessions as
# bench/startup.sh (the bare Qt table, the table at 14 pt, Dunok, and
# DUNOK_BENCH_BASELINE if set).
# Usage: bench/startup_instructions.sh BUILD_DIR [RUNS]
#
# A count does not depend on what else the machine is doing, so this ratio
# holds still where the clock's moves by several per cent between runs of the
# same code; use it to judge a change too small for the clock to show. It
# does not see what the clock sees of waiting (for the X server, the bus, the
# disk) nor the kernel's work (page faults, the window's first memory).
# What is left of run-to-run spread is the order in which other processes'
# answers arrive, so every run is shown.
#
# "show" ends when the last QWidget::show() before the first paint returns,
# the one that puts the window up; "first paint" when the window's first
# QWidgetRepaintManager::paintAndFlush() returns: its picture is handed to the
# X server. One unmeasured warm-up launch each does the first-run work.
set -euo pipefail
build=${1:?usage: startup_instructions.sh BUILD_DIR [RUNS]}
runs=${2:-3}
mapwait=$build/bench/dunok_mapwait
command -v valgrind > /dev/null || { echo "valgrind is not installed" >&2; exit 1; }
[[ -x $mapwait ]] || { echo "missing $mapwait (build first)" >&2; exit 1; }
# shellcheck source-path=SCRIPTDIR source=startup_common.sh
source "$(dirname "${BASH_SOURCE[0]}")/startup_common.sh"

# Sums a run's dumps, in the order written: prints "to_show to_first_paint",
# or nothing if the run never painted.
sum_dumps() { # output-file: callgrind writes its dumps as FILE.1, FILE.2, ...
    local n=1
    while [[ -f $1.$n ]]; do
        printf '%s %s\n' "$(sed -n 's/^desc: Trigger: //p' "$1.$n")" \
            "$(sed -n 's/^\(summary\|totals\): //p' "$1.$n" | head -1)"
        n=$((n + 1))
    done | awk '{ total += $NF }
        /QWidget::show\(\)/ { shown = total }
        /paintAndFlush/ { printf "%d %d\n", shown, total; exit }'
}

measure() { # key run: one launch under callgrind, stopped after its first paint
    local k=$1 r=$2 out=$work/$1.$2.cg pid
    in_session "$k" valgrind --tool=callgrind --callgrind-out-file="$out" \
        --dump-after='QWidget::show()' --dump-after='QWidgetRepaintManager::paintAndFlush()' \
        "${cmd[$k]}" > /dev/null 2> "$work/$k.$r.err" &
    pid=$!
    for _ in $(seq 1200); do  # two minutes at most
        grep -qs 'paintAndFlush' "$out".* && break
        kill -0 "$pid" 2> /dev/null || break
        sleep 0.1
    done
    # $! may be the shell running in_session, and the program its child: the
    # program is stopped, and waited for, so that it has let go of its bus
    # name before the next launch.
    pkill -P "$pid" 2> /dev/null || kill "$pid" 2> /dev/null || true
    wait "$pid" 2> /dev/null || true
    sum_dumps "$out"
}

echo "Start-up in instructions under Xvfb $DISPLAY: one warm-up and $runs counted launches each"
for k in "${keys[@]}"; do
    in_session "$k" "$mapwait" "${cmd[$k]}" > /dev/null 2>&1 || true
done
declare -A show paint
printf '\n%-14s %16s %20s   %s\n' program "to show (M)" "to first paint (M)" "each run, to first paint"
for k in "${keys[@]}"; do
    : > "$work/$k.counts"
    for r in $(seq "$runs"); do measure "$k" "$r" >> "$work/$k.counts"; done
    if [[ ! -s $work/$k.counts ]]; then
        echo "${name[$k]}: no run reached its first paint ($(tail -1 "$work/$k.1.err"))" >&2
        continue
    fi
    show[$k]=$(median "$work/$k.counts" 1)
    paint[$k]=$(median "$work/$k.counts" 2)
    awk -v s="${name[$k]}" -v a="${show[$k]}" -v b="${paint[$k]}" \
        -v each="$(cut -d' ' -f2 "$work/$k.counts" | awk '{ printf "%s%.1f", (NR > 1 ? " " : ""), $1 / 1e6 }')" \
        'BEGIN { printf "%-14s %16.1f %20.1f   %s\n", s, a / 1e6, b / 1e6, each }'
done
echo "(medians; millions of instructions in all the program's threads, counted by callgrind)"
for ref in bare fonts base; do
    [[ -n ${paint[dunok]:-} && -n ${paint[$ref]:-} ]] || continue
    awk -v n="${name[$ref]}" -v ds="${show[dunok]}" -v rs="${show[$ref]}" \
        -v dp="${paint[dunok]}" -v rp="${paint[$ref]}" \
        'BEGIN { printf "Dunok / %-13s to show %.3fx   to first paint %.3fx\n", n, ds / rs, dp / rp }'
done
