#!/bin/sh
# Runs a test program's offline tests (a gtest filter) in a network namespace
# of their own, whose routing table has no default route, with a Wine prefix
# of their own, so that Wine's network services also run in that namespace.
# Called as: sh SiteOfflineRun.sh <exe> <result file> <prefix> <display> <filter>
# The result file receives the exit code, or "skip" when this machine
# allows no network namespace.
exe=$1 result=$2 base=$3 display=$4 filter=$5
finish() {
    echo "$1" > "$result.tmp"
    mv "$result.tmp" "$result"
    exit 0
}
if [ "$6" != inside ]; then
    unshare -n true 2>/dev/null || finish skip
    # The inner run writes the result itself; the test may have read and
    # removed it by now, so only an inner run that died is answered here.
    unshare -n /bin/sh "$0" "$exe" "$result" "$base" "$display" "$filter" inside || finish 1
    exit 0
fi

export DISPLAY="$display"
export PATH=/usr/bin:/bin:/usr/sbin:/sbin
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
prefix="$base-offline"
{
    ip link set lo up
    mkdir -p "$prefix"
    cp -f "$base"/*.reg "$prefix"/
    # Without the prefix's update stamp Wine would update this prefix at its
    # first start and rewrite the system DLLs in place: those are hard links
    # shared with the build's template and every other program's prefix,
    # whose processes then fail to load them (0xc0000135).
    cp -f "$base/.update-timestamp" "$prefix"/
    [ -e "$prefix/drive_c" ] || ln -s "$base/drive_c" "$prefix/drive_c"
    [ -e "$prefix/dosdevices" ] || cp -a "$base/dosdevices" "$prefix/dosdevices"
    export WINEPREFIX="$prefix"
    wine "$exe" --gtest_filter="$filter" --gtest_color=no
    rc=$?
    wineserver -k
} > "$result.log" 2>&1
finish "$rc"
