#!/usr/bin/env bash
# Runs one test program ($1, further arguments passed on) under Wine with a
# display and a Wine prefix of its own, so that the test programs can run
# side by side: windows, focus and input of one never reach another.
# The build's prepared prefix (tools/test.sh) is the template; each run
# starts from a fresh copy of it.
#
# The output is streamed as it comes and kept in
# build/testrun/<program>/<program>.log, so that a run that is stopped
# (a time-out, a signal) has shown everything it printed. A run stops
# itself ahead of ctest's limit (TAVROLIN_TEST_TIMEOUT, seconds): first the
# program's own watchdog ends it, naming the test and its windows; should
# that not happen, this script ends it, listing the windows on its display.
set -uo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${TAVROLIN_BUILD_DIR:?run through ctest}
exe=$1
shift
name=$(basename "$exe" .exe)
program=${name%_tests}
timeout=${TAVROLIN_TEST_TIMEOUT:-1200}
# Room after each stop to print and clean up before ctest kills the script.
limit=$(( timeout > 120 ? timeout - 60 : timeout / 2 ))
export TAVROLIN_TEST_PROGRAM_SECONDS=${TAVROLIN_TEST_PROGRAM_SECONDS:-$(( limit * 9 / 10 ))}

source "$root/tools/wine-env.sh" "$build"
template=$WINEPREFIX
[ -f "$template/system.reg" ] || { echo "no prepared prefix in $template: run tools/test.sh"; exit 1; }
export WINEPREFIX="$build/testrun/prefixes/$name"
wine_copy_prefix "$template" "$WINEPREFIX"

log="$build/testrun/$program/$program.log"
mkdir -p "$(dirname "$log")"
: >"$log"
# Said on the output and kept in the log.
say() { echo "$*" | tee -a "$log"; }

# Xvfb picks a free display number itself and writes it to the descriptor.
scratch=$(mktemp -d)
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$scratch/display" 2>/dev/null &
xvfb=$!
wine_pid=
tee_pid=
sleeper=
started=$(date +%s)
cleanup() {
    [ -n "$sleeper" ] && kill "$sleeper" 2>/dev/null
    wineserver -k 2>/dev/null || true
    # The output's reader ends once no process of the prefix writes to it.
    [ -n "$tee_pid" ] && wait "$tee_pid" 2>/dev/null
    kill "$xvfb" 2>/dev/null || true
    rm -rf "$scratch"
}
trap cleanup EXIT
# A busy machine may take long to start it: waited for as long as it lives,
# a minute at most.
for _ in $(seq 1200); do
    [ -s "$scratch/display" ] && break
    kill -0 "$xvfb" 2>/dev/null || break
    sleep 0.05
done
[ -s "$scratch/display" ] || { echo "Xvfb did not start"; exit 1; }
export DISPLAY=":$(head -n1 "$scratch/display")"

# The windows shown on the display, as X sees them (title and place): what
# a program held open when it was stopped from outside.
list_shown_windows() {
    local id info
    say "== windows shown on $DISPLAY then:"
    for id in $(xwininfo -root -children 2>/dev/null | awk '$1 ~ /^0x/ {print $1}'); do
        info=$(xwininfo -id "$id" 2>/dev/null) || continue
        grep -q 'Map State: IsViewable' <<<"$info" || continue
        say "   $(sed -n 's/^xwininfo: Window id: //p' <<<"$info") $(awk '/-geometry/ {print $2}' <<<"$info")"
    done
}

# Ends the program (and whatever else runs in its prefix) after a stop.
stop_program() {
    list_shown_windows
    kill -TERM "$wine_pid" 2>/dev/null
    for _ in $(seq 50); do kill -0 "$wine_pid" 2>/dev/null || break; sleep 0.1; done
    kill -KILL "$wine_pid" 2>/dev/null
    wineserver -k 2>/dev/null || true
}

# What failed, from the kept output: after a long output the cause is
# found here, at its end.
summarise() {
    local rc=$1
    [ -n "$tee_pid" ] && { wineserver -k 2>/dev/null; wait "$tee_pid" 2>/dev/null; tee_pid=; }
    [ "$rc" -eq 0 ] && return
    echo "== $name ended with $rc; what failed:"
    grep -E -A8 ': Failure|Unhandled (page fault|exception)' "$log" | head -n 60
    grep -E -m1 '^\[ WATCHDOG \] .* after [0-9]+ s' "$log"
    grep -E '^\[  FAILED  \] [^ ]+\.[^ ]+' "$log" | sed -E 's/\r$//; s/ \([0-9]+ ms\)$//' | sort -u | head -n 20
    echo "== the whole output is kept in $log"
}

on_signal() {
    say "== $name stopped by SIG$1 after $(( $(date +%s) - started )) s"
    [ -n "$wine_pid" ] && stop_program
    summarise "$2"
    exit "$2"
}
trap 'on_signal TERM 143' TERM
trap 'on_signal INT 130' INT
trap 'on_signal HUP 129' HUP

touch "$scratch/copied"
wineserver -p </dev/null >/dev/null 2>&1
mkfifo "$scratch/output"
tee -a "$log" <"$scratch/output" &
tee_pid=$!
wine "$exe" "$@" >"$scratch/output" 2>&1 &
wine_pid=$!
sleep "$limit" &
sleeper=$!
ended=
wait -n -p ended "$wine_pid" "$sleeper"
rc=$?
if [ "$ended" != "$wine_pid" ]; then
    say "== $name still runs after $limit s: ended by test-program.sh"
    stop_program
    rc=124
fi
wine_pid=
# The system folders are shared by the template and every copy: a write to
# them (in place, through the links) reaches programs starting in any other
# prefix and makes their DLLs fail to load at times.
written=$(wine_shared_file_written_since "$template" "$scratch/copied")
if [ -n "$written" ]; then
    say "== a shared system file of the Wine prefixes was written during this run (by it or a program beside it): $written"
    [ "$rc" -eq 0 ] && rc=1
fi
summarise "$rc"
exit "$rc"
