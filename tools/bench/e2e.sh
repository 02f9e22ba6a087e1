#!/usr/bin/env bash
# Runs bench_e2e.exe (tools/bench/e2e.cpp) in a display and a copy of the
# tests' Wine prefix of its own, as a test program runs: the settings, Run
# value and open command it writes never reach another prefix.
# Arguments pass on: [offers] [idle seconds] [scans].
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
build=${TAVROLIN_BUILD_DIR:-$root/build}
build=$(cd "$build" && pwd)
[ -f "$build/bench_e2e.exe" ] || { echo "build first: tools/build.sh"; exit 1; }
mkdir -p "$build/testrun/other"
cd "$build/testrun/other"
TAVROLIN_SOURCE_DIR=$root TAVROLIN_BUILD_DIR=$build \
    bash "$root/tools/test-program.sh" "$build/bench_e2e.exe" "$@" 2> >(grep -v '^ALSA' >&2)
