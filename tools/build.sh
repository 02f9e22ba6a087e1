#!/usr/bin/env bash
# Configures (once) and builds everything into the build folder ($1, default build/).
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${1:-${TAVROLIN_BUILD_DIR:-$root/build}}
if [ ! -f "$build/build.ninja" ]; then
    cmake -S "$root" -B "$build" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$root/cmake/toolchain-mingw32.cmake" >/dev/null
fi
cmake --build "$build" -- -j"${TAVROLIN_JOBS:-$(nproc)}"
