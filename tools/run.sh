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
    echo "Everything is built, but there is no program to start: $exe is missing."
    exit 0
fi
# The program's sites lie in the reserved .test domain: the simulated site
# serves them as the HTTP proxy (tools/ticketsite/README.md).
scenario=${TAVROLIN_SCENARIO:-$root/tools/ticketsite/scenarios/demo.json}
portfile=$(mktemp)
python3 "$root/tools/ticketsite/ticketsite.py" --scenario "$scenario" --port 0 --port-file "$portfile" --quiet &
site=$!
trap 'kill $site 2>/dev/null || true; rm -f "$portfile"' EXIT
for _ in $(seq 50); do [ -s "$portfile" ] && break; sleep 0.1; done
export http_proxy="http://127.0.0.1:$(cat "$portfile")"

if [ -n "${DISPLAY:-}" ]; then
    source "$root/tools/wine-env.sh" "$build"
    wine_prepare_prefix
    wine "$exe" "$@"
    exit
fi
xvfb-run -a -s "-screen 0 1280x1024x24 -nolisten tcp" bash -c '
    source "$1/tools/wine-env.sh" "$2"
    exe=$3
    shift 3
    wine_prepare_prefix
    wine "$exe" "$@"' run "$root" "$build" "$exe" "$@"
