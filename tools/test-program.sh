#!/usr/bin/env bash
# Runs one test program ($1, further arguments passed on) under Wine with a
# display and a Wine prefix of its own, so that the test programs can run
# side by side: windows, focus and input of one never reach another.
# The build's prepared prefix (tools/test.sh) is the template; each run
# starts from a fresh copy of it.
set -uo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${TAVROLIN_BUILD_DIR:?run through ctest}
exe=$1
shift
name=$(basename "$exe" .exe)

source "$root/tools/wine-env.sh" "$build"
template=$WINEPREFIX
[ -f "$template/system.reg" ] || { echo "no prepared prefix in $template: run tools/test.sh"; exit 1; }
export WINEPREFIX="$build/testrun/prefixes/$name"
wine_copy_prefix "$template" "$WINEPREFIX"

# Xvfb picks a free display number itself and writes it to the descriptor.
displayfile=$(mktemp)
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$displayfile" 2>/dev/null &
xvfb=$!
cleanup() {
    wineserver -k 2>/dev/null || true
    kill "$xvfb" 2>/dev/null || true
    rm -f "$displayfile" "${log:-}"
}
trap cleanup EXIT
for _ in $(seq 100); do [ -s "$displayfile" ] && break; sleep 0.05; done
[ -s "$displayfile" ] || { echo "Xvfb did not start"; exit 1; }
export DISPLAY=":$(head -n1 "$displayfile")"

wineserver -p </dev/null >/dev/null 2>&1
# The output is kept aside so that a failure's cause can be printed ahead
# of it: a report cut to its first lines then still names what failed.
log=$(mktemp)
wine "$exe" "$@" >"$log" 2>&1
rc=$?
if [ "$rc" -ne 0 ]; then
    echo "== $name ended with $rc; what failed:"
    grep -E -A8 ': Failure|Unhandled (page fault|exception)' "$log" | head -n 60
    grep -E '^\[  FAILED  \] [^ ]+\.[^ ]+' "$log" | sort -u | head -n 20
    echo "== the whole output:"
fi
cat "$log"
exit "$rc"
