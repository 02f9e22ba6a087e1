#!/usr/bin/env bash
# tools/run.sh where it must not start the program, with stand-ins for the
# set-up, the build and Wine (a program that sleeps under the build's
# program path, named as Wine names it), so that each case takes seconds:
# - its run.sh killed, the program it started runs on: the next start says
#   where it runs and how to end it, ends with status 1 and leaves it, its
#   site and its display running; once the program has ended, the next
#   start runs, and the killed run's site, display, window manager and
#   watcher end;
# - a window manager that does not start is named (status 1);
# - a build folder it cannot write is named (status 1): a path that is a
#   file, and a folder of another user.
set -uo pipefail
source_dir=${TAVROLIN_SOURCE_DIR:?run through ctest}
t=$(mktemp -d)
chmod 755 "$t"
status=0
groups=()
cleanup() {
    local group
    for group in "${groups[@]}"; do kill -- -"$group" 2>/dev/null; done
    rm -rf "$t"
}
trap cleanup EXIT
fail() { echo "FAILED: $*"; status=1; }
wait_for() {
    local tenths=$1
    shift
    for _ in $(seq "$tenths"); do "$@" && return 0; sleep 0.1; done
    "$@"
}
# Whether the process (id, start time) still runs.
process_start() { sed 's/.*) //' "/proc/$1/stat" 2>/dev/null | awk '{print $20}'; }
still_runs() { [ -n "$2" ] && [ "$(process_start "$1")" = "$2" ]; }

# A source tree with run.sh and what it uses as they are, and stand-ins for
# the set-up and the build (which makes an empty program).
src="$t/src"
mkdir -p "$src/tools" "$t/bin"
cp "$source_dir/tools/run.sh" "$source_dir/tools/wine-env.sh" "$source_dir/tools/run-open-link.sh" "$src/tools/"
ln -s "$source_dir/tools/ticketsite" "$src/tools/ticketsite"
printf '#!/bin/sh\nexit 0\n' >"$src/tools/setup.sh"
printf '#!/bin/sh\nmkdir -p "$1/app" && : >"$1/app/Tavrolin.exe"\n' >"$src/tools/build.sh"
# Wine: "reg" does nothing; a program runs until it is killed, as a process
# named after it whose first argument is the path it was started by; the
# prefix's server ends (-k) or waits for (-w) the programs it started.
cat >"$t/bin/wine" <<'SH'
#!/usr/bin/env bash
[ "$1" = reg ] && exit 0
mkdir -p "$WINEPREFIX"
echo $$ >>"$WINEPREFIX/programs"
ln -sf "$(command -v sleep)" "$WINEPREFIX/$(basename "$1")"
exec -a "$1" "$WINEPREFIX/$(basename "$1")" 600
SH
cat >"$t/bin/wineserver" <<'SH'
#!/usr/bin/env bash
programs() {
    local id
    for id in $(cat "$WINEPREFIX/programs" 2>/dev/null); do
        [ "$(cat "/proc/$id/comm" 2>/dev/null)" = Tavrolin.exe ] && echo "$id"
    done
}
case "$1" in
    -k) for id in $(programs); do kill "$id"; done ;;
    -w) while [ -n "$(programs)" ]; do sleep 0.1; done ;;
esac
exit 0
SH
printf '#!/bin/sh\nmkdir -p "$WINEPREFIX" && : >"$WINEPREFIX/system.reg"\n' >"$t/bin/wineboot"
# A window manager that ends at once.
mkdir -p "$t/nowm"
printf '#!/bin/sh\nexit 1\n' >"$t/nowm/openbox"
chmod +x "$src"/tools/*.sh "$t"/bin/* "$t/nowm/openbox"

# run.sh without a display, as a user starts it, in a session of its own;
# its output in $t/<name>.out. Sets started.
start() {
    local name=$1 build=$2 path=$3
    env -u DISPLAY PATH="$path" TAVROLIN_BUILD_DIR="$build" TAVROLIN_SITE_LOG="$t/$name.site.log" \
        setsid bash "$src/tools/run.sh" >"$t/$name.out" 2>&1 </dev/null &
    started=$!
    groups+=("$started")
}
# run.sh started so and waited for (tenths); its status, 124 when it ran on
# (it is ended then).
run_to_end() {
    local tenths=$4 rc
    start "$1" "$2" "$3"
    wait_for "$tenths" eval '! kill -0 "$started" 2>/dev/null' || { kill -- -"$started"; wait "$started"; return 124; }
    wait "$started"
    rc=$?
    echo "run.sh ($1) ended with $rc, saying:"
    sed 's/^/    /' "$t/$1.out"
    return $rc
}
said() { grep -qF -- "$2" "$t/$1.out"; }

# A program whose run.sh was killed.
build="$t/build"
start first "$build" "$t/bin:$PATH"
first=$started
wait_for 300 grep -qs 'Tavrolin starts on' "$t/first.out" || fail "the first start did not start the program: $(cat "$t/first.out")"
wait_for 50 test -s "$build/wineprefix-run/programs" || fail "the first start ran no program"
program=$(head -n1 "$build/wineprefix-run/programs")
program_start=$(process_start "$program")
display=$(sed -n 's/.*on the hidden display \(:[0-9]*\)\..*/\1/p' "$t/first.out")
# The killed run's site, display, window manager and watcher, as they run now.
left=()
for id in $(ps -o pid= --ppid "$first"); do
    [ "$id" != "$program" ] && left+=("$id:$(process_start "$id")")
done
[ "${#left[@]}" -ge 4 ] || fail "the first run.sh runs ${#left[@]} processes besides the program, not 4"
# Out of the script's jobs first, so that the shell does not report the kill.
disown "$first"
kill -9 "$first"
wait_for 50 eval '! kill -0 "$first" 2>/dev/null' || fail "the killed run.sh still runs"

run_to_end second "$build" "$t/bin:$PATH" 300
rc=$?
[ "$rc" -eq 1 ] || fail "a start beside the program of a killed run.sh ended with $rc, not 1"
still_runs "$program" "$program_start" || fail "a start ended the program of the killed run.sh"
said second "still runs from $build on display $display (process $program)" ||
    fail "a start did not say where the program of the killed run.sh runs"
said second "\"Beenden\"" && said second "WINEPREFIX=$build/wineprefix-run wineserver -k" ||
    fail "a start did not say how to end the program of the killed run.sh"
for id in "${left[@]}"; do
    still_runs "${id%%:*}" "${id#*:}" || fail "a start ended process ${id%%:*} of the killed run.sh, with its program running"
done

# The program ends (as by Alt+X): the folder is free, and what the killed
# run.sh left running ends with the next start.
kill "$program"
wait_for 50 eval '! still_runs "$program" "$program_start"' || fail "the program did not end"
start third "$build" "$t/bin:$PATH"
wait_for 300 grep -qs 'Tavrolin starts on' "$t/third.out" ||
    fail "a start after the program of the killed run.sh ended did not start it: $(cat "$t/third.out")"
for id in "${left[@]}"; do
    wait_for 50 eval '! still_runs "${id%%:*}" "${id#*:}"' || fail "process ${id%%:*} of the killed run.sh still runs"
done
kill -- -"$started" 2>/dev/null
wait "$started"

# A window manager that does not start.
run_to_end nowm "$t/build-nowm" "$t/nowm:$t/bin:$PATH" 300
rc=$?
[ "$rc" -eq 1 ] || fail "without its window manager run.sh ended with $rc, not 1"
said nowm "run: the window manager did not start" || fail "run.sh did not say that the window manager did not start"

# A build folder it cannot write: a path that is a file, and a folder of
# another user (run.sh runs as nobody when this is root, who may write any).
: >"$t/a-file"
run_to_end file "$t/a-file" "$t/bin:$PATH" 100
rc=$?
[ "$rc" -eq 1 ] || fail "with a file as its build folder run.sh ended with $rc, not 1"
said file "run: cannot write the build folder $t/a-file" || fail "run.sh did not name the file it cannot build in"
mkdir "$t/theirs"
if [ "$(id -u)" -eq 0 ]; then
    cat >"$t/as-nobody" <<SH
#!/bin/sh
cd /tmp && exec setpriv --reuid=65534 --regid=65534 --clear-groups env HOME=/tmp bash "$src/tools/run.sh"
SH
    chmod 755 "$t/as-nobody"
    env -u DISPLAY PATH="$t/bin:$PATH" TAVROLIN_BUILD_DIR="$t/theirs" TAVROLIN_SITE_LOG="$t/theirs.site.log" \
        timeout 100 "$t/as-nobody" >"$t/theirs.out" 2>&1 </dev/null
    rc=$?
    echo "run.sh (theirs, as nobody) ended with $rc, saying:"
    sed 's/^/    /' "$t/theirs.out"
else
    chmod 555 "$t/theirs"
    run_to_end theirs "$t/theirs" "$t/bin:$PATH" 100
    rc=$?
fi
[ "$rc" -eq 1 ] || fail "with a folder of another user run.sh ended with $rc, not 1"
said theirs "run: cannot write the build folder $t/theirs" || fail "run.sh did not name the folder it cannot write"
grep -q 'unbound variable' "$t/theirs.out" && fail "run.sh met an unbound variable"
exit $status
