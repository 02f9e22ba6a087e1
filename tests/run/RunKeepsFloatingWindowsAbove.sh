#!/usr/bin/env bash
# tools/run.sh on the display it starts itself, tried as a user would with
# the mouse: the display has a window manager, which gives the program's
# windows title bars; the ticket pane floated by a double click on its
# caption and the toolbar dragged off its dock by its gripper float over
# the frame, and clicks into the match list leave both above the frame.
# Closing the start-up information box does not stall the program for the
# 2 s Wine waits for a window manager that is not there.
set -uo pipefail
source_dir=${TAVROLIN_SOURCE_DIR:?run through ctest}
build=${TAVROLIN_BUILD_DIR:?run through ctest}
work=$(mktemp -d)
runner=
cleanup() {
    WINEPREFIX="$build/wineprefix-run" wineserver -k 2>/dev/null
    [ -z "$runner" ] || kill -- -"$runner" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT
fail() {
    echo "FAILED: $*"
    echo "--- run.sh said:"; grep -v '^\[' "$work/run.out" 2>/dev/null
    [ -n "${DISPLAY:-}" ] && import -display "$DISPLAY" -window root "$build/screenshots/run_floating_failed.png" 2>/dev/null
    exit 1
}
wait_for() {
    local seconds=$1
    shift
    for _ in $(seq $((seconds * 10))); do "$@" && return 0; sleep 0.1; done
    "$@"
}
now_ms() { date +%s%3N; }
named() { xdotool search --onlyvisible --name "$1" 2>/dev/null; }
count_named() { [ "$(named "$1" | wc -l)" -eq "$2" ]; }
# The client windows from the bottom of the stack to its top, in decimal.
stacking() {
    xprop -root _NET_CLIENT_LIST_STACKING | sed 's/.*#//' | tr ',' '\n' | while read -r id; do
        [ -n "$id" ] && printf '%d\n' "$id"
    done
}
# Whether the first window lies above the second on the display.
above() {
    local order
    order=$(stacking)
    local upper lower
    upper=$(printf '%s\n' "$order" | grep -nx "$1" | cut -d: -f1)
    lower=$(printf '%s\n' "$order" | grep -nx "$2" | cut -d: -f1)
    [ -n "$upper" ] && [ -n "$lower" ] && [ "$upper" -gt "$lower" ]
}
geometry() { eval "$(xdotool getwindowgeometry --shell "$1")"; }

mkdir -p "$build/screenshots"
env -u DISPLAY TAVROLIN_BUILD_DIR="$build" TAVROLIN_SITE_LOG="$work/site.log" \
    setsid bash "$source_dir/tools/run.sh" >"$work/run.out" 2>&1 </dev/null &
runner=$!
wait_for 60 grep -q 'on the hidden display' "$work/run.out" || fail "run.sh started no display of its own"
export DISPLAY=$(sed -n 's/.*on the hidden display \(:[0-9]*\)\..*/\1/p' "$work/run.out" | head -n1)
xprop -root _NET_SUPPORTING_WM_CHECK | grep -q 'window id' || fail "no window manager on $DISPLAY"

# The frame and, over it, the start-up information box, both named Tavrolin.
wait_for 60 count_named '^Tavrolin$' 2 || fail "the frame and its information box did not show"
sleep 1
# The frame is the larger of the two.
frame= box=
for id in $(named '^Tavrolin$'); do
    geometry "$id"
    if [ -z "$frame" ] || [ "$WIDTH" -gt "$fw" ]; then box=$frame frame=$id fx=$X fy=$Y fw=$WIDTH fh=$HEIGHT; else box=$id; fi
done
geometry "$box"
# Closing the box hides a window: with the window manager there the program
# answers the next input at once. The ticket pane, docked at the bottom,
# floats on a double click on its caption.
start=$(now_ms)
xdotool mousemove $((X + WIDTH - 50)) $((Y + HEIGHT - 25)) click 1
xdotool mousemove $((fx + 200)) $((fy + fh - 128)) click --repeat 2 --delay 80 1
wait_for 10 count_named '^Verfügbare Tickets$' 1 || fail "the pane did not float"
took=$(( $(now_ms) - start ))
echo "run: the box closed and the pane floated in $took ms"
[ "$took" -lt 1500 ] || fail "hiding the box stalled the program ($took ms)"
pane=$(named '^Verfügbare Tickets$')
# The toolbar, dragged by its gripper into the middle of the frame.
before=$(xdotool search --onlyvisible --name '.' | sort)
xdotool mousemove $((fx + 8)) $((fy + 44)) mousedown 1
for step in 1 2 3 4 5 6; do xdotool mousemove $((fx + 8 + step * 40)) $((fy + 44 + step * 40)); sleep 0.1; done
xdotool mouseup 1
bar_floats() { bar=$(comm -13 <(printf '%s\n' "$before") <(xdotool search --onlyvisible --name '.' | sort) | grep -vx "$pane" | head -n1); [ -n "$bar" ]; }
wait_for 10 bar_floats || fail "the toolbar did not float"
sleep 1
import -window root "$build/screenshots/run_floating_before_clicks.png"
above "$pane" "$frame" || fail "the floated pane lies under the frame"
above "$bar" "$frame" || fail "the floated toolbar lies under the frame"

# Clicks into the match list (the number column of the top rows) activate
# the frame; its floating windows stay above it.
for row in 0 1 2 3; do
    xdotool mousemove $((fx + 90)) $((fy + 150 + row * 18)) click 1
    sleep 0.7
    above "$pane" "$frame" || fail "click $row: the pane went under the frame"
    above "$bar" "$frame" || fail "click $row: the toolbar went under the frame"
done
import -window root "$build/screenshots/run_floating_after_clicks.png"
echo "run: the floating pane and toolbar stayed above the frame over 4 clicks into it"
