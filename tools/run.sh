#!/usr/bin/env bash
# Sets up, builds and starts the program under Wine, with the simulated
# ticket site as its proxy, and waits until the program ends; the site ends
# with it. Addresses the program opens go to the site. Without a display
# the program runs on a hidden Xvfb display of its own, with a window
# manager of its own, which is named so that one can look at it; the
# history lines are printed as they come and the screen is saved every 30 s.
# TAVROLIN_SCENARIO: the site's scenario; TAVROLIN_SITE_LOG: a file that
# receives one line per request the site answers (default <build>/ticketsite.log).
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${TAVROLIN_BUILD_DIR:-$root/build}

# The run's lock, logs, prefix and program live in the build folder: one
# that cannot be made or written ends the start here, naming it.
if [ -e "$build" ] && [ ! -d "$build" ]; then
    echo "run: cannot write the build folder $build: it is a file, not a folder."
    exit 1
fi
if ! why=$( { mkdir -p -- "$build" && : >>"$build/run.lock"; } 2>&1 ); then
    echo "run: cannot write the build folder $build (${why##*: })."
    exit 1
fi
build=$(cd "$build" && pwd)

# One run per build folder. A second start would end the first: it ends
# the prefix's server below, with the program in it, and builds into the
# folder the program runs from. So a second start says where the first runs
# and ends, touching nothing of it. The lock file names the run.sh that
# holds it by process id and start time, with its display when known ("-"
# until then), and on a second line the site, display, window manager and
# watcher it started. A run.sh that was killed (its id gone or taken by
# another process) holds nothing, but the program it started does, as long
# as it runs; once that has ended too, the next start ends what the killed
# run.sh left running.
lock="$build/run.lock"
site= xvfb= manager= watcher= run_display=${DISPLAY:--}
# A process's start time (clock ticks since boot), empty when it is gone.
process_start() {
    sed 's/.*) //' "/proc/$1/stat" 2>/dev/null | awk '{print $20}'
}
my_start=$(process_start $$)
# Whether the process (id, start time) still runs.
still_runs() { [ -n "$1" ] && [ -n "$2" ] && [ "$(process_start "$1")" = "$2" ]; }
# The program of this build folder that runs, whoever started it: the
# build's Tavrolin.exe or one in the run's prefix. Its process id, display
# and prefix; false when there is none. Wine names the process after the
# program and keeps the path it was started by as its first argument.
running_program() {
    local dir comm first env prefix display
    for dir in /proc/[0-9]*; do
        read -r comm 2>/dev/null <"$dir/comm" && [ "$comm" = Tavrolin.exe ] || continue
        first=$(tr '\0' '\n' 2>/dev/null <"$dir/cmdline" | head -n1 | tr '\\' /) || continue
        first=${first#[Zz]:}
        env=$(tr '\0' '\n' 2>/dev/null <"$dir/environ") || env=
        prefix=$(sed -n 's/^WINEPREFIX=//p' <<<"$env")
        [ "$first" = "$build/app/Tavrolin.exe" ] || [ "$prefix" = "$build/wineprefix-run" ] || continue
        display=$(sed -n 's/^DISPLAY=//p' <<<"$env")
        echo "${dir#/proc/} ${display:--} ${prefix:-$HOME/.wine}"
        return 0
    done
    return 1
}
# Runs the command with the lock file held, which only these steps take.
with_lock() {
    local fd rc=0
    exec {fd}<>"$lock" || { echo "run: cannot write $lock"; return 1; }
    flock -w 30 "$fd" || { exec {fd}>&-; echo "run: $lock stays locked"; return 1; }
    "$@" || rc=$?
    exec {fd}>&-
    return $rc
}
# Names this run.sh and what it started in the lock file.
note_run() {
    local helpers= id
    for id in $site $xvfb $manager $watcher; do
        helpers+="$id:$(process_start "$id") "
    done
    printf '%s %s %s\n%s\n' $$ "$my_start" "$run_display" "$helpers" >"$lock"
}
claim_run() {
    local pid= start= display= helpers= program prefix id
    { read -r pid start display && read -r helpers; } <"$lock" || true
    if [ "$pid" != $$ ] || [ "$start" != "$my_start" ]; then
        if still_runs "$pid" "$start"; then
            if [ "$display" = - ]; then
                echo "run: Tavrolin is starting from $build already (run.sh, process $pid); it is left as it is."
            else
                echo "run: Tavrolin already runs from $build on display $display (run.sh, process $pid); it is left as it is."
            fi
            echo "run: end that one first (Alt+X, or \"Beenden\" in the file or tray menu), then start again."
            return 1
        fi
        if program=$(running_program); then
            read -r pid display prefix <<<"$program"
            echo "run: Tavrolin still runs from $build on display $display (process $pid), with no run.sh of it left; it is left as it is."
            echo "run: end it first (Alt+X, or \"Beenden\" in the file or tray menu, on that display;" \
                "\"WINEPREFIX=$prefix wineserver -k\" ends it at once, unsaved), then start again."
            return 1
        fi
        # The site, display, manager and watcher of a killed run.sh.
        for id in $helpers; do
            ! still_runs "${id%%:*}" "${id#*:}" || kill "${id%%:*}" 2>/dev/null || true
        done
    fi
    note_run
}
# Frees the lock, if this run.sh still holds it.
release_run() {
    local pid=
    read -r pid _ <"$lock" || true
    [ "$pid" != $$ ] || : >"$lock"
}
with_lock claim_run || exit 1
trap 'with_lock release_run' EXIT

"$root/tools/setup.sh"
"$root/tools/build.sh" "$build"

exe="$build/app/Tavrolin.exe"
if [ ! -f "$exe" ]; then
    echo "Everything is built, but there is no program to start: $exe is missing."
    exit 0
fi

# Waits while the process lives until the check holds, a minute at most: a
# busy machine starts a program slowly, and one that ended will not start.
wait_started() {
    local pid=$1
    shift
    for _ in $(seq 600); do
        "$@" && return 0
        kill -0 "$pid" 2>/dev/null || break
        sleep 0.1
    done
    "$@"
}

portfile=$(mktemp) displayfile=$(mktemp) managerfile=$(mktemp)
cleanup() {
    [ -z "$watcher" ] || kill "$watcher" 2>/dev/null || true
    [ -z "$site" ] || kill "$site" 2>/dev/null || true
    [ -z "$manager" ] || kill "$manager" 2>/dev/null || true
    [ -z "$xvfb" ] || kill "$xvfb" 2>/dev/null || true
    rm -f "$portfile" "$displayfile" "$managerfile" "$managerfile.rc.xml" "$managerfile.up"
    with_lock release_run
}
trap cleanup EXIT
trap 'exit 130' INT TERM

# The program's sites lie in the reserved .test domain: the simulated site
# serves them as the HTTP proxy (tools/ticketsite/README.md).
scenario=${TAVROLIN_SCENARIO:-$root/tools/ticketsite/scenarios/demo.json}
sitelog=${TAVROLIN_SITE_LOG:-$build/ticketsite.log}
python3 "$root/tools/ticketsite/ticketsite.py" --scenario "$scenario" --port 0 --port-file "$portfile" \
    --log "$sitelog" --quiet &
site=$!
with_lock note_run
wait_started "$site" test -s "$portfile" || { echo "run: the simulated site did not start"; exit 1; }
port=$(cat "$portfile")

# The manager's configuration with a place for Wine's tray window (20
# pixels high): a strip along the bottom of the screen, which windows are
# placed and maximized beside, with the tray at its right end.
openbox_config() {
    python3 - "$1" "$2" <<'PY'
import re, sys
tray = '''<application title="Wine System Tray">
    <position force="yes"><x>-0</x><y>%d</y></position>''' % (int(sys.argv[2]) - 20) + '''
    <decor>no</decor><layer>above</layer><focus>no</focus><skip_taskbar>yes</skip_taskbar>
  </application>'''
rc = open('/etc/xdg/openbox/rc.xml', encoding='utf-8').read()
rc = re.sub(r'(<margins>.*?<bottom>)\d+(</bottom>)', r'\g<1>20\g<2>', rc, count=1, flags=re.S)
rc = rc.replace('<applications>', '<applications>\n  ' + tray, 1)
open(sys.argv[1], 'w', encoding='utf-8').write(rc)
PY
}

headless= screen_height=1024
if [ -z "${DISPLAY:-}" ]; then
    headless=1
    Xvfb -displayfd 3 -screen 0 1280x${screen_height}x24 -nolisten tcp 3>"$displayfile" 2>/dev/null &
    xvfb=$!
    wait_started "$xvfb" test -s "$displayfile" || { echo "run: Xvfb did not start"; exit 1; }
    export DISPLAY=":$(head -n1 "$displayfile")"
    run_display=$DISPLAY
    with_lock note_run
    # A window manager keeps a window's own windows above it, gives each a
    # title bar to move it by, and answers Wine when a window is hidden.
    # There is no panel: Wine's own tray window gets a panel's place, else
    # it lies under the first window. The manager tells it has started by
    # running the command given.
    openbox_config "$managerfile.rc.xml" "$screen_height"
    openbox --sm-disable --config-file "$managerfile.rc.xml" --startup "touch $managerfile.up" >/dev/null 2>&1 &
    manager=$!
    with_lock note_run
    wait_started "$manager" test -e "$managerfile.up" && kill -0 "$manager" 2>/dev/null ||
        { echo "run: the window manager did not start"; exit 1; }
    rm -f "$managerfile.up"
    echo "run: there is no display here, so Tavrolin runs on the hidden display $DISPLAY."
    echo "run: a picture of it: DISPLAY=$DISPLAY import -window root tavrolin.png (Ctrl+C ends it)"
    echo "run: history lines are printed as they come; the screen is saved every 30 s in $build/screenshots."
fi

# A prefix of the program's own.
source "$root/tools/wine-env.sh" "$build" wineprefix-run
wine_create_prefix
trap 'wineserver -k 2>/dev/null; exit 130' INT TERM
# A server left running in this prefix (an earlier run whose display went)
# would keep the program's single instance, and a persistent one would never
# end: the program starts on a server that ends when the program does.
wineserver -k 2>/dev/null || true
wineserver -w
# Windows are left to the window manager, the hidden display's own or the
# user's, which places, stacks and decorates them.
wine_set_window_management managed

# Addresses the program opens (popup titles, pane rows, web pages) reach the site.
links="$build/run-links.log"
: > "$links"
# Wine finds the script by its Z: path and hands it its arguments as they are.
open_command="\"Z:$(printf '%s' "$root/tools/run-open-link.sh" | tr / '\\')\" 127.0.0.1:$port \"$links\" \"%1\""
wine reg add 'HKLM\Software\Classes\http\shell\open\command' /ve /d "$open_command" /f \
    </dev/null >/dev/null 2>&1 || true

# After wine-env.sh, which clears the proxy for the tests.
export http_proxy="http://127.0.0.1:$port"

# Prints each new line of the history dump and each address opened; without
# a display it also saves the screen every 30 s.
watch_run() {
    local dump="$build/app/statistic.log" seen="$build/run-seen.tmp" shots="$build/screenshots" tick=0 new
    local told=0 count
    : > "$seen"
    mkdir -p "$shots"
    while sleep 1; do
        # The dump is written in the ANSI code page (Windows-1252).
        new=$(LC_ALL=C grep -avxF -f "$seen" "$dump" 2>/dev/null) || true
        if [ -n "$new" ]; then
            printf '%s\n' "$new" | iconv -f WINDOWS-1252 -t UTF-8 | sed 's/^/history: /'
            printf '%s\n' "$new" >> "$seen"
        fi
        # The dump is written anew, the links file only grows: each line
        # past those told is an opening, also of a page opened before.
        count=$(wc -l < "$links" 2>/dev/null) || count=$told
        if [ "$count" -gt "$told" ]; then
            sed -n "$((told + 1)),${count}p" "$links" | sed 's/^/run: the program opened /'
            told=$count
        fi
        tick=$((tick + 1))
        if [ -n "$headless" ] && [ $((tick % 30)) -eq 0 ]; then
            import -display "$DISPLAY" -window root "$shots/run-$(date +%H%M%S).png" 2>/dev/null || true
        fi
    done
}
watch_run &
watcher=$!
with_lock note_run

echo "run: Tavrolin starts on $DISPLAY; the simulated site answers on port $port ($(basename "$scenario"))."
rc=0
# Wine's and the sound library's complaints (no sound device under Xvfb) go to a log.
wine "$exe" "$@" 2>>"$build/run-wine.log" || rc=$?
# wine may return while the program goes on: the server ends with it.
wineserver -w
exit $rc
