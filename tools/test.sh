#!/usr/bin/env bash
# Sets up, builds and runs every test under Wine inside an Xvfb display of its own.
# Extra arguments go to ctest (e.g. -R framework).
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${TAVROLIN_BUILD_DIR:-$root/build}

"$root/tools/setup.sh"
"$root/tools/build.sh" "$build"

xvfb-run -a -s "-screen 0 1280x1024x24 -nolisten tcp" bash -c '
    source "$1/tools/wine-env.sh" "$2"
    shift 2
    wine_prepare_prefix
    ctest --test-dir "$wine_build_dir" --output-on-failure "$@"
    rc=$?
    wineserver -k || true
    exit $rc
' test "$root" "$build" "$@"
