#!/usr/bin/env bash
# Start-up benchmark: launch to first mapped window and to the first picture
# drawn in it, and memory a second later, for a bare Qt table window (the
# floor any Qt program pays), the same
# table in the list's 14-point font (what that font alone adds) and Dunok,
# side by side on one private Xvfb.
# Usage: bench/startup.sh BUILD_DIR [RUNS]
# DUNOK_BENCH_BASELINE=PROGRAM also starts another build of Dunok (an earlier
# commit's, say) in the same rounds, so that a change is judged against it
# under the same load rather than against another run's figures.
# BENCH_VERBOSE=1 shows, for every launch, each window mapped and which one
# counted, and the helper processes whose memory was added.
# BENCH_TIMES_ONLY=1 leaves memory out: each launch ends at its first paint
# instead of a second later, so that the hundreds of rounds it takes to tell
# a change of 1% from the machine's noise run in minutes, e.g.
#   DUNOK_BENCH_BASELINE=<earlier build>/bin/dunok BENCH_TIMES_ONLY=1 \
#       bash bench/startup.sh build/release 200
#
# Each program gets its own home (HOME and the XDG folders) and its own D-Bus
# session bus, kept for the whole run, with the services every desktop
# session runs (below). One unmeasured warm-up launch each does
# the first-run work (Dunok writes its store), fills
# the page cache and starts whatever services the program asks its bus for, as
# a desktop session would already have them; every measured launch then finds
# the same state. Launches go round-robin, the order turning each round, so
# that other load on the machine falls on every program alike.
#
# Memory is resident memory (RSS) one second after the window is mapped:
#   own      the program and every process it started itself (summed);
#   helpers  services its private bus started for it (accessibility bus,
#            settings daemon, ...), which a desktop session shares between
#            programs; shown apart and added in the last ratio only.
set -euo pipefail
build=${1:?usage: startup.sh BUILD_DIR [RUNS]}
runs=${2:-15}
mapwait=$build/bench/dunok_mapwait
[[ -x $mapwait ]] || { echo "missing $mapwait (build first)" >&2; exit 1; }
# shellcheck source-path=SCRIPTDIR source=startup_common.sh
source "$(dirname "${BASH_SOURCE[0]}")/startup_common.sh"

verbose=()
[[ ${BENCH_VERBOSE:-} == 1 ]] && verbose=(-v)
times_only=${BENCH_TIMES_ONLY:-0}
# Ended at its first paint, a program may still be going when the next starts
# without the pause.
settle=() pause=0
[[ $times_only == 1 ]] && { settle=(-s 0); pause=0.15; }
launch() { # key [round]: one launch, appends its figures to $work/KEY (and, with
    # its round, start and paint to $work/KEY.rounds, for the paired ratios)
    local k=$1 round=${2:-} out
    sleep "$pause"
    if out=$(in_session "$k" "$mapwait" "${verbose[@]}" "${settle[@]}" -g "${tag[$k]}" \
             -x "${buspid[$k]}" "${cmd[$k]}" 2> "$work/$k.err"); then
        if (( ${#verbose[@]} )); then sed "s/^/${name[$k]}: /" "$work/$k.err" >&2; echo "${name[$k]}: $out" >&2; fi
        echo "$out" | sed -E 's/[a-z_]+=//g' >> "$work/$k"
        [[ -z $round ]] || echo "$round $(tail -1 "$work/$k" | cut -d' ' -f1,7)" >> "$work/$k.rounds"
    else
        echo "${name[$k]}: a launch failed: $(tail -1 "$work/$k.err")" >&2
    fi
}

echo "Start-up under Xvfb $DISPLAY: one warm-up and $runs measured launches each; load: $(cut -d' ' -f1-3 /proc/loadavg)"
for k in "${keys[@]}"; do  # the warm-up: shown as the first start, not counted
    launch "$k"
    if [[ -s $work/$k ]]; then mv "$work/$k" "$work/$k.first"; else echo nan > "$work/$k.first"; fi
    : > "$work/$k"
done
n=${#keys[@]}
for round in $(seq 0 $(( runs - 1 ))); do
    for j in $(seq 0 $(( n - 1 ))); do launch "${keys[$(( (round + j) % n ))]}" "$round"; done
done

# The columns of $work/KEY: map_ms rss tree procs helper helpers paint_ms.
declare -A map paint own helper count
printf '\n%-14s %9s %8s %8s %8s %9s   %9s %9s %9s   %s\n' program "start ms" min max first "paint ms" \
    "own MB" "helpers" "total" runs
for k in "${keys[@]}"; do
    count[$k]=$(wc -l < "$work/$k")
    (( count[$k] > 0 )) || { echo "${name[$k]}: no launch succeeded" >&2; continue; }
    map[$k]=$(median "$work/$k" 1); own[$k]=$(median "$work/$k" 3)
    helper[$k]=$(median "$work/$k" 5); paint[$k]=$(median "$work/$k" 7)
    lo=$(cut -d' ' -f1 "$work/$k" | sort -n | sed -n 1p)
    hi=$(cut -d' ' -f1 "$work/$k" | sort -n | tail -1)
    awk -v s="${name[$k]}" -v m="${map[$k]}" -v lo="$lo" -v hi="$hi" -v f="$(cut -d' ' -f1 "$work/$k.first")" \
        -v o="${own[$k]}" -v pt="${paint[$k]}" -v t="$times_only" \
        -v h="${helper[$k]}" -v c="${count[$k]}" -v p="$(median "$work/$k" 4)" -v hp="$(median "$work/$k" 6)" \
        'BEGIN { mem = t == 1 ? sprintf("%9s %9s %9s", "-", "-", "-") \
                              : sprintf("%9.1f %9.1f %9.1f", o / 1024, h / 1024, (o + h) / 1024)
                 printf "%-14s %9.1f %8.1f %8.1f %8.1f %9.1f   %s   %d   (%d process%s, %d helper%s)\n",
                 s, m, lo, hi, f, pt, mem, c, p, p == 1 ? "" : "es", hp, hp == 1 ? "" : "s" }'
done
echo "(medians; 'start' is launch to the window on the screen, 'paint' to the first picture drawn"
echo " in it; 'first' is the one warm-up launch: a new user's first start, from disk when the cache"
echo " is cold; 'own' is the program and what it forked, 'helpers' what its D-Bus session started)"

for ref in bare fonts base; do
    [[ -n ${map[dunok]:-} && -n ${map[$ref]:-} ]] || continue
    awk -v n="${name[$ref]}" -v dm="${map[dunok]}" -v rm="${map[$ref]}" -v dmem="${own[dunok]}" \
        -v dp="${paint[dunok]}" -v rp="${paint[$ref]}" \
        -v rmem="${own[$ref]}" -v dh="${helper[dunok]}" -v rh="${helper[$ref]}" -v t="$times_only" \
        'BEGIN { printf "Dunok / %-13s start-up %.2fx   first paint %.2fx", n, dm / rm, (rp > 0 ? dp / rp : 0)
                 if (t != 1) printf "   memory %.2fx (with helpers %.2fx)", dmem / rmem, (dmem + dh) / (rmem + rh)
                 printf "\n" }'
done
# The same ratios taken round by round: each round launches every program
# once, close together, so a ratio within a round is little moved by what
# else the machine did then. Their median, and a 95% interval for it from
# 2,000 resamples of the rounds (a fixed seed, so one set of launches always
# gives the same interval), say how far the medians above can be trusted.
# A round whose paint went unseen (-1) counts for the start only.
for ref in bare fonts base; do
    [[ -s $work/dunok.rounds && -s $work/$ref.rounds ]] || continue
    join <(sort -k1,1 "$work/dunok.rounds") <(sort -k1,1 "$work/$ref.rounds") | awk -v n="${name[$ref]}" '
        function median(a, m,   i, j, t) {  # sorts a in place
            for (i = 2; i <= m; i++) { t = a[i]; for (j = i - 1; j > 0 && a[j] > t; j--) a[j + 1] = a[j]; a[j + 1] = t }
            return m % 2 ? a[(m + 1) / 2] : (a[m / 2] + a[m / 2 + 1]) / 2
        }
        function ratio(r, m,   b, i, c, s) {  # "median [low-high]"
            for (b = 1; b <= 2000; b++) { for (i = 1; i <= m; i++) s[i] = r[int(rand() * m) + 1]; c[b] = median(s, m) }
            median(c, 2000)
            return sprintf("%.3fx [%.3f-%.3f]", median(r, m), c[51], c[1950])
        }
        { start[++m] = $2 / $4 }
        $3 > 0 && $5 > 0 { paint[++p] = $3 / $5 }
        END {
            if (m < 5) exit
            srand(1)
            printf "Dunok / %-13s round by round: start-up %s   first paint %s   (%d rounds)\n",
                   n, ratio(start, m), (p < 5 ? "unseen" : ratio(paint, p)), m
        }'
done
echo "load after: $(cut -d' ' -f1-3 /proc/loadavg)"
