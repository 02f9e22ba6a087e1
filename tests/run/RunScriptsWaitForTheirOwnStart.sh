#!/usr/bin/env bash
# The run scripts' start of run.sh (start_run) twice, the second time on a
# machine so busy that the shell of the start opens its output seconds
# late, while the first start's output, which named its display, is still
# there: the second start waits for its own output and takes its own
# display, never the one the first start named. run.sh is a stand-in that
# names a display of this script's (each with a window manager), so that
# this takes seconds.
set -uo pipefail
real_source=${TAVROLIN_SOURCE_DIR:?run through ctest}
fake=$(mktemp -d)
mkdir -p "$fake/src/tools" "$fake/build"
cat >"$fake/src/tools/run.sh" <<'SH'
#!/usr/bin/env bash
echo "run: there is no display here, so Tavrolin runs on the hidden display $(cat "$TAVROLIN_BUILD_DIR/next-display")."
exec sleep 600
SH
displays=()
# A display with a window manager; its name in $fake/<name>.
start_display() {
    local up="$fake/$1.up"
    Xvfb -displayfd 3 -screen 0 640x480x24 -nolisten tcp 3>"$fake/$1" 2>/dev/null &
    displays+=($!)
    for _ in $(seq 100); do [ -s "$fake/$1" ] && break; sleep 0.1; done
    DISPLAY=":$(head -n1 "$fake/$1")" openbox --sm-disable --startup "touch $up" >/dev/null 2>&1 &
    displays+=($!)
    for _ in $(seq 100); do [ -e "$up" ] && break; sleep 0.1; done
    echo ":$(head -n1 "$fake/$1")" >"$fake/$1"
}
start_display first
start_display second

TAVROLIN_SOURCE_DIR="$fake/src" TAVROLIN_BUILD_DIR="$fake/build"
failed_shot=run_own_start_failed
source "$real_source/tests/run/run-display.sh"
trap 'cleanup; kill "${displays[@]}" 2>/dev/null; rm -rf "$fake"' EXIT

cp "$fake/first" "$fake/build/next-display"
start_run
[ "$DISPLAY" = "$(cat "$fake/first")" ] || fail "the first start took $DISPLAY, not its display $(cat "$fake/first")"
end_run "$runner"

# The second start's shell held back 3 s before it opens its output, as a
# busy machine holds it back: bash traces the command in that shell before
# it opens the file. The trace's prompt runs in a process of the tracing
# shell, which is, for that one, a child of this script's shell in start_run.
parent_of() { sed -n 's/^PPid:[[:space:]]*//p' "/proc/$1/status"; }
hold_back() {
    local me=$BASHPID tracer
    [ "$1" = start_run ] || return 0
    tracer=$(parent_of "$me")
    [ "$(parent_of "$tracer")" = "$$" ] && sleep 3
}
exec {trace}>/dev/null
BASH_XTRACEFD=$trace
PS4='$(hold_back "${FUNCNAME[0]-}")+ '
cp "$fake/second" "$fake/build/next-display"
set -x
start_run
set +x
[ "$DISPLAY" = "$(cat "$fake/second")" ] ||
    fail "the second start took $DISPLAY, not its display $(cat "$fake/second") (the first start's was $(cat "$fake/first"))"
echo "each start took its own display: $(cat "$fake/first"), then $DISPLAY"
