#!/usr/bin/env bash
# Sets up, builds and starts the program under Wine (on $DISPLAY, or on an
# Xvfb display of its own when there is none).
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${TAVROLIN_BUILD_DIR:-$root/build}

"$root/tools/setup.sh"
"$root/tools/build.sh" "$build"

exe="$build/app/Tavrolin.exe"
if [ ! -f "$exe" ]; then
    echo "Everything is built, but there is no program to start yet: the application itself is not written."
    exit 0
fi
if [ -n "${DISPLAY:-}" ]; then
    source "$root/tools/wine-env.sh" "$build"
    wine_prepare_prefix
    exec wine "$exe" "$@"
fi
exec xvfb-run -a -s "-screen 0 1280x1024x24 -nolisten tcp" bash -c '
    source "$1/tools/wine-env.sh" "$2"
    exe=$3
    shift 3
    wine_prepare_prefix
    wine "$exe" "$@"' run "$root" "$build" "$exe" "$@"
