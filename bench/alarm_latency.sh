#!/usr/bin/env bash
# Alarm latency: from the moment a timer's finish is due to the first non-zero sample of its
# alarm arriving at the sound server, on a PulseAudio of our own whose default sink is a null
# sink. Cold is the first sound of a process (loading the sound module, decoding the sound,
# opening the output), so each cold figure is a fresh launch; warm is the later finishes of one
# process. The moments come from a listener on the sink's monitor, which hears a fragment only
# once it is complete: every figure includes that, and the floor line says how much it is.
# Usage: bench/alarm_latency.sh BUILD_DIR [RUNS]   (default 10)
set -euo pipefail
build=${1:?usage: alarm_latency.sh BUILD_DIR [RUNS]}
runs=${2:-10}
bench=$build/bench/dunok_alarm_latency
probe=$build/bench/dunok_sound_probe
for f in "$bench" "$probe"; do
    [[ -x $f ]] || { echo "missing $f (configure with -DDUNOK_BUILD_BENCH=ON, build)" >&2; exit 1; }
done
command -v pulseaudio > /dev/null || { echo "pulseaudio is not installed" >&2; exit 1; }

work=$(mktemp -d)
pulse=
cleanup() {
    if [[ -n $pulse ]]; then
        kill "$pulse" 2> /dev/null || true
        wait "$pulse" 2> /dev/null || true
    fi
    rm -rf "$work"
}
trap cleanup EXIT

# A home, runtime folder and sound server of our own: nothing of the user's session is heard or
# disturbed, and no client may start a server of its own instead.
export HOME=$work/home XDG_RUNTIME_DIR=$work/runtime
export XDG_DATA_HOME=$work/data XDG_CONFIG_HOME=$work/config
mkdir -p "$HOME" "$XDG_RUNTIME_DIR" "$XDG_DATA_HOME" "$XDG_CONFIG_HOME"
chmod 700 "$XDG_RUNTIME_DIR"
echo 'autospawn = no' > "$work/client.conf"
export PULSE_CLIENTCONFIG=$work/client.conf PULSE_SERVER=unix:$work/pulse.socket
export QT_QPA_PLATFORM=offscreen
pulseaudio -n --daemonize=no --exit-idle-time=-1 --use-pid-file=no --disallow-exit \
    --load="module-native-protocol-unix socket=$work/pulse.socket" \
    --load="module-null-sink sink_name=bench rate=48000 channels=2" > "$work/pulse.log" 2>&1 &
pulse=$!
for _ in $(seq 100); do
    pactl info > /dev/null 2>&1 && break
    kill -0 "$pulse" 2> /dev/null || { cat "$work/pulse.log" >&2; exit 1; }
    sleep 0.1
done
pactl set-default-sink bench

# median min max of the numbers on standard input.
stats() { sort -n | awk '{ v[NR] = $1 } END { printf "%.1f %.1f %.1f\n", v[int((NR + 1) / 2)], v[1], v[NR] }'; }
met=yes
show() { # label target numbers-file
    local n median min max
    n=$(wc -l < "$3")
    [[ $n -gt 0 ]] || { echo "$1: no figure" >&2; met=no; return; }
    read -r median min max < <(stats < "$3")
    printf '%-6s median %6.1f ms  min %6.1f  max %6.1f  over %d finishes  (target < %d ms)\n' \
        "$1" "$median" "$min" "$max" "$n" "$2"
    awk -v m="$median" -v t="$2" 'BEGIN { exit !(m < t) }' || met=no
}

echo "alarm latency: finish due -> first non-zero sample on the null sink's monitor"
read -r _ n median min max < <("$probe" floor "$runs")
printf 'floor  median %6.1f ms  min %6.1f  max %6.1f  over %d clicks   (what the listening adds)\n' \
    "$median" "$min" "$max" "$n"

: > "$work/cold"
for _ in $(seq "$runs"); do
    "$bench" 1 | awk '$1 == "cold" { print $2 }' >> "$work/cold"
done
# One more launch for the warm figures; its own first finish is cold, and left out.
"$bench" $((runs + 1)) | awk '$1 == "warm" { print $2 }' > "$work/warm"
show cold 100 "$work/cold"
show warm 30 "$work/warm"
echo "Each figure includes the listener's 2 ms fragments and the server's scheduling (the floor),"
echo "so it is an upper bound on when the sample reached the server."
[[ $met == yes ]] && echo "targets met (on the median)" || { echo "TARGETS MISSED (on the median)"; exit 1; }
