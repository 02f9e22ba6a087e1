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
# The current start's output and site log (start_run): a file of its own
# for each start.
starts=0 run_out=/dev/null site_log=
cleanup() {
    WINEPREFIX="$build/wineprefix-run" wineserver -k 2>/dev/null
    end_run "$runner"
    rm -rf "$work"
}
# Ends a run.sh started here (its process group) and waits until it has
# cleaned up: until then it holds the build folder, and the next script's
# run.sh would find it still running.
end_run() {
    [ -n "$1" ] || return 0
    kill -- -"$1" 2>/dev/null
    for _ in $(seq 100); do kill -0 "$1" 2>/dev/null || return 0; sleep 0.1; done
}
trap cleanup EXIT
fail() {
    echo "FAILED: $*"
    [ -n "${DISPLAY:-}" ] && import -window root "$shots/$failed_shot.png" 2>/dev/null &&
        echo "the screen: $shots/$failed_shot.png"
    echo "--- run.sh said:"; grep -v '^\[' "$run_out" 2>/dev/null
    exit 1
}
# Tenths of a second until the condition holds, or false.
wait_for() {
    local tenths=$1
    shift
    for _ in $(seq "$tenths"); do "$@" && return 0; sleep 0.1; done
    "$@"
}
# A picture of the screen in the file, taken now: the file an earlier step
# left there goes first, so that a failed picture is never read as this one.
shoot_screen() {
    rm -f "$1"
    import -window root "$1" && [ -s "$1" ]
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
# manager, which becomes this script's DISPLAY. Each start writes its output
# ($run_out) and its site's log ($site_log) to files no earlier start wrote:
# on a busy machine the new shell opens its output late, and a wait on a
# file an earlier start filled would pass on that start's lines.
start_run() {
    mkdir -p "$shots"
    starts=$((starts + 1))
    run_out="$work/run$starts.out" site_log="$work/site$starts.log"
    env -u DISPLAY TAVROLIN_BUILD_DIR="$build" TAVROLIN_SITE_LOG="$site_log" \
        setsid bash "$source_dir/tools/run.sh" >"$run_out" 2>&1 </dev/null &
    runner=$!
    unset DISPLAY
    wait_for 600 grep -qs 'on the hidden display' "$run_out" || fail "run.sh started no display of its own"
    DISPLAY=$(sed -n 's/.*on the hidden display \(:[0-9]*\)\..*/\1/p' "$run_out" | head -n1)
    [ -n "$DISPLAY" ] || fail "run.sh named no display"
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
# Answers the start-up information box by its OK button, as a user does.
close_information_box() {
    local x y w h
    read -r x y w h < <(place "$box")
    xdotool mousemove $((x + w - 50)) $((y + h - 25)) click 1
    wait_for 50 count_named '^Tavrolin$' 1 || fail "the information box did not close"
}
# run.sh started afresh, with no stored bar layout, on a site that offers
# nothing (no alert lies over the tray), and its information box answered.
start_run_without_offers() {
    WINEPREFIX="$build/wineprefix-run" wineserver -k 2>/dev/null
    forget_layout
    echo '{}' >"$work/no-offers.json"
    export TAVROLIN_SCENARIO="$work/no-offers.json"
    start_run
    find_frame_and_box
    sleep 1
    close_information_box
}
# "Suche starten": the search (on from the start or started now) shows the
# ticket pane docked at the bottom.
start_search() {
    xdotool mousemove $((fx + 67)) $((fy + 44)) click 1
    sleep 1
}
# A click into the frame gives it the keys, then Alt+X ends the program and
# with it run.sh.
end_program_by_alt_x() {
    xdotool mousemove $((fx + 96)) $((fy + 127)) click 1
    sleep 0.5
    xdotool key alt+x
    wait_for 150 eval '! running' || fail "Alt+X did not end the program"
    runner=
}
# Drags the toolbar by its gripper from the frame's top row to its middle
# (midx, midy), where it floats; sets bar to the floating toolbar.
float_toolbar_over_middle() {
    local step
    midx=$((fx + fw / 2)) midy=$((fy + fh / 2))
    xdotool mousemove $((fx + 7)) $((fy + 44)) mousedown 1
    for step in $(seq 10); do
        xdotool mousemove $((fx + 7 + step * (midx - 300 - fx - 7) / 10)) $((fy + 44 + step * (midy - fy - 44) / 10))
        sleep 0.1
    done
    xdotool mouseup 1
    wait_for 50 count_named '^Standard$' 1 || fail "the toolbar did not float"
    bar=$(named '^Standard$')
}
sheet_shows() { count_named '^Anpassen$' 1; }
# "Anpassen..." as a user opens it: the toolbar's drop-down at its right
# end, "Schaltflächen hinzufügen oder entfernen" in it, and "Anpassen..." in
# the menu that opens to its left. Whether the sheet shows.
open_sheet() {
    local right=$((fx + fw))
    xdotool mousemove $((right - 9)) $((fy + 62)) click 1
    sleep 1
    xdotool mousemove $((right - 156)) $((fy + 78))
    sleep 1.2
    xdotool mousemove $((right - 316)) $((fy + 78))
    sleep 0.3
    xdotool mousemove $((right - 355)) $((fy + 80))
    sleep 0.3
    xdotool mousemove $((right - 355)) $((fy + 104))
    sleep 0.5
    xdotool click 1
    wait_for 50 sheet_shows
}
# run.sh started, its information box answered and "Anpassen..." opened
# (a second try after Esc when the first menu missed).
start_run_and_open_sheet() {
    start_run
    find_frame_and_box
    close_information_box
    sleep 1
    read -r fx fy fw fh < <(place "$frame")
    open_sheet || { xdotool key Escape; sleep 0.5; open_sheet; } || fail "the toolbar's menu opened no \"Anpassen\""
}
# Whether run.sh still runs.
running() { kill -0 "$runner" 2>/dev/null; }

# The window among the root's children that holds the given one (the window
# manager's frame around a managed window, or an unmanaged window itself).
top_level() {
    local id=$1 parent root
    root=$(( $(xwininfo -root | awk '/Window id/{print $4}') ))
    while :; do
        parent=$(xwininfo -tree -id "$id" | awk '/Parent window id/{print $4}')
        [ -n "$parent" ] || return 1
        [ $((parent)) -eq "$root" ] && { echo $((id)); return; }
        id=$parent
    done
}
# Whether the first window lies above the second on the display, from the
# X server's own stacking (xwininfo lists the top first).
above() {
    local order upper lower
    order=$(xwininfo -root -children | grep -o '^ *0x[0-9a-f]*' | while read -r w; do echo $((w)); done)
    upper=$(printf '%s\n' "$order" | grep -nx "$(top_level "$1")" | cut -d: -f1)
    lower=$(printf '%s\n' "$order" | grep -nx "$(top_level "$2")" | cut -d: -f1)
    [ -n "$upper" ] && [ -n "$lower" ] && [ "$upper" -lt "$lower" ]
}
# Whether the screen shows a caption (grey, or the active blue) along a
# line of the picture: what the frame's match list shows there is white
# rows with text.
caption_shows() {
    local shot=$1 x=$2 y=$3 w=$4
    convert "$shot" -crop "${w}x1+$x+$y" +repage txt:- | awk -F'[(,)]' 'NR > 1 {
        r = $3 + 0; g = $4 + 0; b = $5 + 0
        grey = r > 90 && r < 210 && (r - g) ^ 2 < 400 && (g - b) ^ 2 < 400
        blue = b > 180 && r < 140
        if (grey || blue) n++; total++ } END { exit !(total > 0 && n >= total * 0.9) }'
}

# The tray icon's point, the first icon in Wine's tray window: X Y.
tray_icon() {
    local tray x y w h
    tray=$(named '^Wine System Tray$' | head -n1)
    [ -n "$tray" ] || return 1
    read -r x y w h < <(place "$tray")
    echo $((x + 10)) $((y + h / 2))
}
# Sets ix, iy to the tray icon's point; fails the step ($1) without a tray.
find_tray_icon() {
    ix= iy=
    read -r ix iy < <(tray_icon)
    [ -n "$iy" ] || fail "$1: no tray window"
}
# The program's shown menu that opened at the point: below it, or above it
# when the screen's bottom is near. X Y W H.
menu_at() {
    local px=$1 py=$2 id x y w h
    for id in $(xwininfo -root -children | awk '/"tavrolin.exe"/{print $1}'); do
        xwininfo -id "$id" | grep -q 'IsViewable' || continue
        read -r x y w h < <(place "$id")
        [ "$px" -ge "$x" ] && [ "$px" -lt $((x + w)) ] && [ "$h" -lt 100 ] &&
            [ "$y" -le $((py + 2)) ] && [ $((y + h)) -ge $((py - 30)) ] || continue
        echo "$x $y $w $h"
        return 0
    done
    return 1
}

# The stored layout of the command bars in the run's prefix, with the
# program and its server ended.
forget_layout() {
    [ -f "$build/wineprefix-run/user.reg" ] || return 0
    WINEPREFIX="$build/wineprefix-run" wineserver -w 2>/dev/null
    python3 - "$build/wineprefix-run/user.reg" <<'PY'
import re, sys
path = sys.argv[1]
text = open(path, encoding='utf-8', errors='surrogateescape').read()
# A key's section runs from its header to the next blank line.
text = re.sub(r'\n\[Software\\\\Brannoch\\\\Tavrolin\\\\CommandBars2[^\]]*\][^\n]*\n(?:[^\n]+\n)*', '\n', text)
open(path, 'w', encoding='utf-8', errors='surrogateescape').write(text)
PY
}
