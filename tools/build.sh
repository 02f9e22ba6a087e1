#!/usr/bin/env bash
# Configures (once) and builds everything into the build folder ($1, default build/).
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${1:-${TAVROLIN_BUILD_DIR:-$root/build}}
# ccache, where the machine has it, shares compiled objects between
# checkouts (paths below the checkout are hashed relative to it).
launcher=()
if command -v ccache >/dev/null; then
    export CCACHE_BASEDIR=$root
    launcher=(-DCMAKE_C_COMPILER_LAUNCHER=ccache -DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi
if [ ! -f "$build/build.ninja" ]; then
    cmake -S "$root" -B "$build" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$root/cmake/toolchain-mingw32.cmake" "${launcher[@]}" >/dev/null
fi
cmake --build "$build" -- -j"${TAVROLIN_JOBS:-$(nproc)}"
