#!/usr/bin/env bash
# tools/run.sh as a user starts it from a fresh clone, with no display, so
# that it starts a hidden one of its own: the program's first scan reaches
# the simulated site through the proxy, run.sh waits for the program (still
# running 10 s later), and once the program ends run.sh ends and the site
# with it; the display has a window manager of its own, which ends with
# the run, and the run's prefix leaves the windows to it. The prefix is
# left as an earlier round's run left it (a server up, windows unmanaged):
# the server must not make run.sh return, and the windows are managed again.
# The clone reuses the build folder and the SQLite sources: nothing is built
# or fetched again.
set -uo pipefail
source_dir=${TAVROLIN_SOURCE_DIR:?run through ctest}
build=${TAVROLIN_BUILD_DIR:?run through ctest}
work=$(mktemp -d)
runner=
cleanup() {
    WINEPREFIX="$build/wineprefix-run" wineserver -k 2>/dev/null
    if [ -n "$runner" ]; then
        kill -- -"$runner" 2>/dev/null
        # Until it has cleaned up, it holds the build folder for the next run.
        for _ in $(seq 100); do kill -0 "$runner" 2>/dev/null || break; sleep 0.1; done
    fi
    rm -rf "$work"
}
trap cleanup EXIT
fail() {
    echo "FAILED: $*"
    echo "--- run.sh said:"; grep -v '^\[' "$work/run.out" 2>/dev/null
    echo "--- the site's log:"; cat "$work/site.log" 2>/dev/null
    exit 1
}
# Seconds until the condition holds (checked every 0.2 s), or FALSE.
wait_for() {
    local seconds=$1
    shift
    for _ in $(seq $((seconds * 5))); do "$@" && return 0; sleep 0.2; done
    "$@"
}
running() { kill -0 "$runner" 2>/dev/null; }
scanned() { grep -q 'resale-list' "$work/site.log" 2>/dev/null; }
site_gone() { ! pgrep -f -- "--log $work/site.log" >/dev/null; }

git clone -q "$source_dir" "$work/clone" || fail "cannot clone $source_dir"
mkdir -p "$work/clone/.cache"
cp -a "$source_dir/.cache/sqlite" "$work/clone/.cache/"

# Windows unmanaged and a server up, as an earlier round's run left them.
# No session is started in the prefix: that would start the program from
# the Run value it stored, a program run.sh then leaves running.
(source "$work/clone/tools/wine-env.sh" "$build" wineprefix-run && wine_create_prefix &&
    wineserver -p </dev/null >/dev/null 2>&1 && wine_set_window_management unmanaged)

env -u DISPLAY TAVROLIN_BUILD_DIR="$build" TAVROLIN_SITE_LOG="$work/site.log" \
    setsid bash "$work/clone/tools/run.sh" >"$work/run.out" 2>&1 </dev/null &
runner=$!

wait_for 45 scanned || fail "no scan reached the site"
running || fail "run.sh ended while the program ran"
# The behaviour is a duration: run.sh keeps waiting for the program.
sleep 10
running || fail "run.sh ended while the program ran"
site_gone && fail "the site ended while the program ran"

WINEPREFIX="$build/wineprefix-run" wineserver -k
wait_for 15 eval '! running' || fail "run.sh goes on after the program ended"
wait_for 5 site_gone || fail "the site goes on after the program ended"
runner=
grep -q 'on the hidden display' "$work/run.out" || fail "run.sh did not start a display of its own"
# The server has ended: its registry is on disk.
grep -q '^"Managed"="N"' "$build/wineprefix-run/user.reg" && fail "the run's windows are not left to the window manager"
echo "run.sh: the first scan reached the site, run.sh waited for the program and ended with it; windows managed"
