#!/usr/bin/env bash
# Start-up benchmark: launch to first mapped window, and memory a second
# later, for Dunok and for a bare Qt table window, under a private Xvfb and
# D-Bus session. Usage: bench/startup.sh BUILD_DIR [RUNS]
set -euo pipefail
build=${1:?usage: startup.sh BUILD_DIR [RUNS]}
runs=${2:-15}
mapwait=$build/bench/dunok_mapwait
bare=$build/bench/dunok_bare_table
dunok=$build/bin/dunok
for f in "$mapwait" "$bare" "$dunok"; do [[ -x $f ]] || { echo "missing $f (build first)" >&2; exit 1; }; done

work=$(mktemp -d)
display=:$(( 150 + RANDOM % 50 ))
Xvfb "$display" -screen 0 1280x800x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
eval "$(dbus-daemon --session --fork --print-address=1 --print-pid=1 | {
    read -r addr; read -r pid; echo "export DBUS_SESSION_BUS_ADDRESS='$addr'; dbuspid=$pid"; })"
trap 'kill $xvfb $dbuspid 2>/dev/null || true; rm -rf "$work"' EXIT
export DISPLAY=$display XDG_DATA_HOME=$work/data XDG_CONFIG_HOME=$work/config
sleep 1

measure() { # label, command...
    local label=$1; shift
    local maps=() rss=()
    "$mapwait" "$@" >/dev/null  # warm the page cache
    for _ in $(seq "$runs"); do
        read -r m r < <("$mapwait" "$@" | sed -E 's/map_ms=([0-9.]+) rss_kb=([0-9-]+)/\1 \2/')
        maps+=("$m"); rss+=("$r")
    done
    printf '%s\n' "${maps[@]}" | sort -n > "$work/maps"
    printf '%s\n' "${rss[@]}" | sort -n > "$work/rss"
    local n=${#maps[@]}
    local med=$(sed -n "$(( (n + 1) / 2 ))p" "$work/maps")
    local min=$(head -1 "$work/maps") max=$(tail -1 "$work/maps")
    local rmed=$(sed -n "$(( (n + 1) / 2 ))p" "$work/rss")
    printf '%-12s launch-to-map median %7.1f ms (min %.1f, max %.1f)   RSS median %6.1f MB   (%d runs)\n' \
        "$label" "$med" "$min" "$max" "$(echo "$rmed / 1024" | bc -l)" "$n"
    echo "$med $rmed" > "$work/$label.result"
}

measure bare-table "$bare"
# Dunok with the list of a new user already in its store (the first run made it).
measure dunok "$dunok"
read -r bmap brss < "$work/bare-table.result"
read -r dmap drss < "$work/dunok.result"
printf 'Dunok / bare table: start-up %.2fx, memory %.2fx\n' \
    "$(echo "$dmap / $bmap" | bc -l)" "$(echo "$drss / $brss" | bc -l)"
