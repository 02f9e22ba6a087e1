#!/usr/bin/env bash
# tools/test-program.sh with a test program that hangs (the framework
# program's child-run test that never ends, its watchdog held back): what
# the program printed reaches the output and the kept log although the
# program never ends by itself, whether the script's own time limit or a
# signal stops it, and the windows shown then are listed. A display that is
# slow to start on a busy machine is waited for.
set -uo pipefail
build=${TAVROLIN_BUILD_DIR:?run through ctest}
root=${TAVROLIN_SOURCE_DIR:?run through ctest}
# A copy of its own, so that its prefix and log are not the framework
# program's, which may run beside.
exe="$build/tests/hangcheck_tests.exe"
cp "$build/tests/framework_tests.exe" "$exe"
log="$build/testrun/hangcheck/hangcheck.log"
out=$(mktemp)
slow=$(mktemp -d)
trap 'rm -f "$out" "$exe"; rm -rf "$slow"' EXIT
status=0
fail() { echo "FAIL: $*"; status=1; }
export TAVROLIN_TEST_WATCHDOG_SECONDS=9999 TAVROLIN_TEST_PROGRAM_SECONDS=9999
# A script that does not stop the program is stopped after $1 seconds; a
# signal reaches the script alone (not its program, as it would from a
# process group of timeout's own). Run in a subshell, which it replaces.
run_hanging() {
    exec timeout --foreground -k 5 "$1" bash "$root/tools/test-program.sh" "$exe" --gtest_filter=HangingTest.TracksAMenuOverItsWindow \
        >"$out" 2>&1
}
expect_kept() {
    local what=$1
    grep -q '^\[ RUN      \] HangingTest.TracksAMenuOverItsWindow' "$out" || fail "$what: the test's start is not in the output"
    grep -q '^\[ RUN      \] HangingTest.TracksAMenuOverItsWindow' "$log" || fail "$what: the test's start is not in $log"
    grep -q '"Hängt mit offenem Menü" 300x200+100+100' "$out" || fail "$what: the hanging test's window is not listed"
}

# Stopped by its own limit: half of a 40-s time-out.
(TAVROLIN_TEST_TIMEOUT=40 run_hanging 80)
rc=$?
[ "$rc" -eq 124 ] || fail "time limit: ended with $rc, not 124"
grep -q '^== hangcheck_tests still runs after 20 s: ended by test-program.sh' "$out" || fail "time limit: no word of the stop"
expect_kept "time limit"
cat "$out"

# Stopped by a signal once the test runs (timeout hands it on).
rm -f "$log"
(TAVROLIN_TEST_TIMEOUT=1200 run_hanging 80) &
runner=$!
for _ in $(seq 600); do grep -q '^HangingTest: the window shows' "$log" 2>/dev/null && break; sleep 0.1; done
kill -TERM "$runner"
wait "$runner"
rc=$?
[ "$rc" -eq 143 ] || fail "signal: ended with $rc, not 143"
grep -q '^== hangcheck_tests stopped by SIGTERM' "$out" || fail "signal: no word of the stop"
expect_kept "signal"
cat "$out"
# A display that takes 8 s to start (a busy machine): the program still runs.
real_xvfb=$(command -v Xvfb)
printf '#!/bin/sh\nsleep 8\nexec %s "$@"\n' "$real_xvfb" >"$slow/Xvfb"
chmod +x "$slow/Xvfb"
PATH="$slow:$PATH" TAVROLIN_TEST_TIMEOUT=1200 timeout -k 5 120 bash "$root/tools/test-program.sh" "$exe" \
    --gtest_filter=CString.CopiesAreIndependent >"$out" 2>&1
rc=$?
[ "$rc" -eq 0 ] || fail "slow display: ended with $rc, not 0"
grep -q '^\[  PASSED  \] 1 test' "$out" || fail "slow display: the test did not run"
cat "$out"
exit $status
