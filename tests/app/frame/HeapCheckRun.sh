#!/bin/sh
# Runs tests of a test program (a gtest filter) with Wine's heap checks on,
# in the caller's prefix and display; Wine's own messages land in the log.
# Called as: sh HeapCheckRun.sh <exe> <result file> <prefix> <display> <filter>
# The result file receives the exit code once the log is complete.
exe=$1 result=$2 prefix=$3 display=$4 filter=$5
export DISPLAY="$display" WINEPREFIX="$prefix"
export PATH=/usr/bin:/bin:/usr/sbin:/sbin
export WINEDEBUG=warn+heap
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
wine "$exe" --gtest_filter="$filter" --gtest_color=no > "$result.log" 2>&1
echo $? > "$result.tmp"
mv "$result.tmp" "$result"
