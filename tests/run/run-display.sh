# Sourced by the scripts that try tools/run.sh on the display it starts
# itself, as a user would: the run's start and end, and the look-ups of its
# windows they share. The caller names the picture saved when a step fails
# ($failed_shot, without ".png") before sourcing.
set -uo pipefail
source_dir=${TAVROLIN_SOURCE_DIR:?run through ctest}
build=${TAVROLIN_BUILD_DIR:?run through ctest}
shots="$build/screenshots"
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
    [ -n "${DISPLAY:-}" ] && import -window root "$shots/$failed_shot.png" 2>/dev/null &&
        echo "the screen: $shots/$failed_shot.png"
    echo "--- run.sh said:"; grep -v '^\[' "$work/run.out" 2>/dev/null
    exit 1
}
# Tenths of a second until the condition holds, or false.
wait_for() {
    local tenths=$1
    shift
    for _ in $(seq "$tenths"); do "$@" && return 0; sleep 0.1; done
    "$@"
}
named() { xdotool search --onlyvisible --name "$1" 2>/dev/null; }
count_named() { [ "$(named "$1" | wc -l)" -eq "$2" ]; }
# A window's client area on the screen: X Y W H. With the window manager a
# client lies inside a decorated frame, so xwininfo's absolute place is used.
place() {
    xwininfo -id "$1" | awk '/Absolute upper-left X/{x=$NF} /Absolute upper-left Y/{y=$NF}
                             /Width:/{w=$NF} /Height:/{h=$NF} END{print x, y, w, h}'
}

# run.sh with no display of the caller's: it starts its own, with a window
# manager, which becomes this script's DISPLAY.
start_run() {
    mkdir -p "$shots"
    env -u DISPLAY TAVROLIN_BUILD_DIR="$build" TAVROLIN_SITE_LOG="$work/site.log" \
        setsid bash "$source_dir/tools/run.sh" >"$work/run.out" 2>&1 </dev/null &
    runner=$!
    wait_for 600 grep -q 'on the hidden display' "$work/run.out" || fail "run.sh started no display of its own"
    DISPLAY=$(sed -n 's/.*on the hidden display \(:[0-9]*\)\..*/\1/p' "$work/run.out" | head -n1)
    export DISPLAY
    xprop -root _NET_SUPPORTING_WM_CHECK | grep -q 'window id' || fail "no window manager on $DISPLAY"
}

# The frame and, over it, the start-up information box, both named
# Tavrolin; the frame is the larger one. Sets frame and box, and the
# frame's place fx fy fw fh.
find_frame_and_box() {
    wait_for 600 count_named '^Tavrolin$' 2 || fail "the frame and its information box did not show"
    local id x y w h
    frame= box= fw=0
    for id in $(named '^Tavrolin$'); do
        read -r x y w h < <(place "$id")
        if [ "$w" -gt "$fw" ]; then
            box=$frame frame=$id fx=$x fy=$y fw=$w fh=$h
        else
            box=$id
        fi
    done
}
