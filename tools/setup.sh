#!/usr/bin/env bash
# Installs what a fresh Debian 12 machine lacks to build and test the program,
# and fetches the SQLite amalgamation. Quick when everything is present.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

packages=(wine wine32:i386 wine64 fonts-wine g++-mingw-w64-i686-posix mingw-w64-i686-dev
          cmake ninja-build xvfb xauth openbox xdotool x11-utils googletest locales imagemagick python3)

as_root() { if [ "$(id -u)" = 0 ]; then "$@"; else sudo "$@"; fi; }

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
# npm fetches SQLite; a machine may have it from outside Debian's packages.
command -v npm >/dev/null || missing+=(npm)
if [ ${#missing[@]} -gt 0 ]; then
    echo "setup: installing ${missing[*]}"
    dpkg --print-foreign-architectures | grep -qx i386 || as_root dpkg --add-architecture i386
    as_root apt-get update -q
    # With recommends: Wine's fonts and helpers are among them.
    as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -q "${missing[@]}"
fi

# The program formats and parses dates in a German user locale; Wine takes it
# from the Unix locale, which glibc must have.
if ! locale -a 2>/dev/null | grep -qi '^de_DE\.utf-\?8$'; then
    echo "setup: generating de_DE.UTF-8"
    as_root sed -i 's/^# *\(de_DE\.UTF-8 UTF-8\)/\1/' /etc/locale.gen
    grep -q '^de_DE.UTF-8 UTF-8' /etc/locale.gen || echo 'de_DE.UTF-8 UTF-8' | as_root tee -a /etc/locale.gen >/dev/null
    as_root locale-gen >/dev/null
fi

# SQLite: the official amalgamation, carried inside the sqlite3 npm package.
sqlite_dir="$root/.cache/sqlite"
sqlite_sha=f6b50b0c103392af32a8be15b2b9d25959de9a00a70c3979128aafeaa5338b3f
if [ ! -f "$sqlite_dir/sqlite3.c" ] || [ ! -f "$sqlite_dir/sqlite3.h" ] || [ "$(cat "$sqlite_dir/.sha256" 2>/dev/null)" != "$sqlite_sha" ]; then
    echo "setup: fetching the SQLite amalgamation"
    tmp=$(mktemp -d)
    trap 'rm -rf "$tmp"' EXIT
    (cd "$tmp" && npm pack --silent sqlite3@6.0.1 >/dev/null)
    tar -xzf "$tmp"/sqlite3-6.0.1.tgz -C "$tmp" package/deps/sqlite-autoconf-3520000.tar.gz
    echo "$sqlite_sha  $tmp/package/deps/sqlite-autoconf-3520000.tar.gz" | sha256sum -c --quiet -
    tar -xzf "$tmp/package/deps/sqlite-autoconf-3520000.tar.gz" -C "$tmp" \
        sqlite-autoconf-3520000/sqlite3.c sqlite-autoconf-3520000/sqlite3.h
    mkdir -p "$sqlite_dir"
    cp "$tmp"/sqlite-autoconf-3520000/sqlite3.[ch] "$sqlite_dir"/
    echo "$sqlite_sha" > "$sqlite_dir/.sha256"
fi
