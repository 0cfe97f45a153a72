# Sourced by the start-up benchmarks, with `build` set to a build folder: the
# programs compared (`keys`, with each one's `name` and `cmd`); a private Xvfb
# (DISPLAY is exported); and for each program its own home and D-Bus session
# bus with the services every desktop session runs. Sets `work` (a scratch
# folder), `busaddr`, `buspid` and `tag` (the mark the bus's services
# inherit), and `session_env KEY`, the environment of that program's
# session. Everything it started goes when the script exits.
# DUNOK_BENCH_BASELINE=PROGRAM adds another build of Dunok.
# shellcheck shell=bash
for f in "$build/bench/dunok_bare_table" "$build/bench/dunok_bare_table_fonts" \
         "$build/bin/dunok"; do
    [[ -x $f ]] || { echo "missing $f (build first)" >&2; exit 1; }
done

# key | name shown | command
programs=(
    "bare|bare Qt table|$build/bench/dunok_bare_table"
    "fonts|table at 14 pt|$build/bench/dunok_bare_table_fonts"
    "dunok|Dunok|$build/bin/dunok"
)
if [[ -n ${DUNOK_BENCH_BASELINE:-} ]]; then
    programs+=("base|earlier Dunok|$DUNOK_BENCH_BASELINE")
fi
declare -A name cmd
keys=()
for p in "${programs[@]}"; do
    IFS='|' read -r key shown command <<< "$p"
    if ! command -v "$command" > /dev/null; then
        echo "$shown: not found ($command)" >&2
        exit 1
    fi
    keys+=("$key"); name[$key]=$shown; cmd[$key]=$command
done

work=$(mktemp -d)
declare -A buspid busaddr tag
xvfb=
cleanup() {
    local k p
    for k in "${keys[@]}"; do
        [[ -n ${tag[$k]:-} ]] || continue
        # The bus's services, found by the mark they inherited from it.
        grep -lz "^DUNOK_BENCH_HELPER=${tag[$k]}\$" /proc/[0-9]*/environ 2>/dev/null | cut -d/ -f3 \
            | while read -r p; do kill "$p" 2>/dev/null || true; done || true
    done
    if [[ -n $xvfb ]]; then kill "$xvfb" 2>/dev/null || true; fi
    # The document portal mounts a file system in a session's runtime folder
    # and may not have taken it down yet.
    awk -v w="$work/" 'index($2, w) == 1 { print $2 }' /proc/mounts \
        | while read -r p; do fusermount -uz "$p" 2>/dev/null || true; done
    rm -rf "$work"
}
trap cleanup EXIT

# Settings of the caller's desktop must not leak into the programs.
unset WAYLAND_DISPLAY QT_QPA_PLATFORM SESSION_MANAGER XDG_CURRENT_DESKTOP XDG_SESSION_TYPE \
      DBUS_SESSION_BUS_ADDRESS GTK_MODULES QT_STYLE_OVERRIDE QT_QPA_PLATFORMTHEME

# A random high display: other people's tools on this machine take the low
# numbers and some clear their locks. Xvfb refuses a number in use; then try
# another. It writes the number to fd 3 once it accepts clients.
for _ in 1 2 3 4 5; do
    : > "$work/display"
    Xvfb ":$(( 300 + RANDOM % 600 ))" -displayfd 3 -screen 0 1280x800x24 -nolisten tcp \
        3> "$work/display" > /dev/null 2>&1 &
    xvfb=$!
    for _ in $(seq 100); do
        [[ -s $work/display ]] && break
        kill -0 "$xvfb" 2>/dev/null || break
        sleep 0.1
    done
    [[ -s $work/display ]] && break
    kill "$xvfb" 2>/dev/null || true
    xvfb=
done
[[ -n $xvfb ]] || { echo "Xvfb did not start" >&2; exit 1; }
DISPLAY=:$(head -1 "$work/display")
export DISPLAY

session_env() { # key: the environment of that program's session
    local home=$work/home-$1
    echo HOME="$home" XDG_DATA_HOME="$home/data" XDG_CONFIG_HOME="$home/config" \
         XDG_CACHE_HOME="$home/cache" XDG_STATE_HOME="$home/state" XDG_RUNTIME_DIR="$home/run"
}
# Runs a command in that program's session: its home and folders, and its bus.
in_session() { # key command...
    local k=$1
    shift
    # shellcheck disable=SC2046 # session_env's words are meant to split
    env $(session_env "$k") DBUS_SESSION_BUS_ADDRESS="${busaddr[$k]}" "$@"
}

# The median of one column of the numbers in a file; "nan" when it has none.
median() { # file column
    cut -d' ' -f"$2" "$1" | sort -n | awk '{ v[NR] = $1 } END {
        if (NR == 0) print "nan"; else if (NR % 2) print v[(NR + 1) / 2];
        else print (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}

for k in "${keys[@]}"; do
    home=$work/home-$k
    mkdir -p "$home"/{data,config,cache,state}
    mkdir -m 700 "$home/run"
    tag[$k]=$k-$$-$RANDOM
    # shellcheck disable=SC2046 # session_env's words are meant to split
    { read -r "busaddr[$k]"; read -r "buspid[$k]"; } < <(
        env $(session_env "$k") DUNOK_BENCH_HELPER="${tag[$k]}" \
            dbus-daemon --session --fork --print-address=1 --print-pid=1)
    # What a desktop session runs before any program starts: the
    # accessibility bus and the settings portal. Started here on every bus,
    # so that no program meets them only because it (or a service it asked)
    # happened to start them, and every program pays the same for them.
    # Any that is not installed is left out for all alike.
    in_session "$k" sh -c '
        dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus \
            org.a11y.Bus.GetAddress
        dbus-send --session --print-reply --reply-timeout=10000 \
            --dest=org.freedesktop.portal.Desktop /org/freedesktop/portal/desktop \
            org.freedesktop.portal.Settings.Read \
            string:org.freedesktop.appearance string:color-scheme' > /dev/null 2>&1 || true
done

