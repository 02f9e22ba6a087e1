#!/usr/bin/env bash
# Sets up, builds and runs every test under Wine. Each test program runs in
# an Xvfb display and a copy of the build's Wine prefix of its own
# (tools/test-program.sh), so they run side by side.
# Extra arguments go to ctest (e.g. -R framework).
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${TAVROLIN_BUILD_DIR:-$root/build}
build=$(mkdir -p "$build" && cd "$build" && pwd)

"$root/tools/setup.sh"
"$root/tools/build.sh" "$build"

xvfb-run -a -s "-screen 0 1280x1024x24 -nolisten tcp" bash -c '
    source "$1/tools/wine-env.sh" "$2"
    wine_prepare_test_prefix
    wineserver -k || true
' prepare "$root" "$build"

jobs=${TAVROLIN_TEST_JOBS:-$(nproc)}
start=$(date +%s)
rc=0
ctest --test-dir "$build" --output-on-failure -j"$jobs" "$@" || rc=$?
echo "test programs: $(( $(date +%s) - start )) s in all, $jobs at a time on $(nproc) cores"
exit $rc
