#!/usr/bin/env bash
# Sets up, builds and starts the program under Wine, with the simulated
# ticket site as its proxy, and waits until the program ends; the site ends
# with it. Without a display the program runs on a hidden Xvfb display of
# its own, which is named so that one can look at it.
# TAVROLIN_SCENARIO: the site's scenario; TAVROLIN_SITE_LOG: a file that
# receives one line per request the site answers.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${TAVROLIN_BUILD_DIR:-$root/build}
build=$(mkdir -p "$build" && cd "$build" && pwd)

"$root/tools/setup.sh"
"$root/tools/build.sh" "$build"

exe="$build/app/Tavrolin.exe"
if [ ! -f "$exe" ]; then
    echo "Everything is built, but there is no program to start: $exe is missing."
    exit 0
fi

site= xvfb=
portfile=$(mktemp) displayfile=$(mktemp)
cleanup() {
    [ -z "$site" ] || kill "$site" 2>/dev/null || true
    [ -z "$xvfb" ] || kill "$xvfb" 2>/dev/null || true
    rm -f "$portfile" "$displayfile"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

# The program's sites lie in the reserved .test domain: the simulated site
# serves them as the HTTP proxy (tools/ticketsite/README.md).
scenario=${TAVROLIN_SCENARIO:-$root/tools/ticketsite/scenarios/demo.json}
sitelog=()
[ -z "${TAVROLIN_SITE_LOG:-}" ] || sitelog=(--log "$TAVROLIN_SITE_LOG")
python3 "$root/tools/ticketsite/ticketsite.py" --scenario "$scenario" --port 0 --port-file "$portfile" \
    "${sitelog[@]}" --quiet &
site=$!
for _ in $(seq 100); do [ -s "$portfile" ] && break; sleep 0.1; done
[ -s "$portfile" ] || { echo "run: the simulated site did not start"; exit 1; }
port=$(cat "$portfile")

if [ -z "${DISPLAY:-}" ]; then
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$displayfile" 2>/dev/null &
    xvfb=$!
    for _ in $(seq 100); do [ -s "$displayfile" ] && break; sleep 0.05; done
    [ -s "$displayfile" ] || { echo "run: Xvfb did not start"; exit 1; }
    export DISPLAY=":$(head -n1 "$displayfile")"
    echo "run: there is no display here, so Tavrolin runs on the hidden display $DISPLAY."
    echo "run: a picture of it: DISPLAY=$DISPLAY import -window root tavrolin.png (Ctrl+C ends it)"
fi

# A prefix of the program's own: the tests' prefix keeps windows unmanaged.
source "$root/tools/wine-env.sh" "$build" wineprefix-run
wine_create_prefix
trap 'wineserver -k 2>/dev/null; exit 130' INT TERM
# A server left running in this prefix (an earlier run whose display went)
# would keep the program's single instance, and a persistent one would never
# end: the program starts on a server that ends when the program does.
wineserver -k 2>/dev/null || true
wineserver -w
# After wine-env.sh, which clears the proxy for the tests.
export http_proxy="http://127.0.0.1:$port"

echo "run: Tavrolin starts on $DISPLAY; the simulated site answers on port $port ($(basename "$scenario"))."
rc=0
wine "$exe" "$@" || rc=$?
# wine may return while the program goes on: the server ends with it.
wineserver -w
exit $rc
