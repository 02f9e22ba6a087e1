#!/usr/bin/env bash
# tools/run.sh on the display it starts itself, tried as a user would with
# the mouse: the ticket pane, hidden to the frame's bottom strip by its pin,
# slides out when the pointer jumps onto its tab from a row of the match
# list in one move and rests there, and slides back in once the pointer
# has gone back to the list; twice over.
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
    [ -n "${DISPLAY:-}" ] && import -window root "$shots/run_autohide_failed.png" 2>/dev/null &&
        echo "the screen: $shots/run_autohide_failed.png"
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
# A window's client area on the screen: X Y W H.
place() {
    xwininfo -id "$1" | awk '/Absolute upper-left X/{x=$NF} /Absolute upper-left Y/{y=$NF}
                             /Width:/{w=$NF} /Height:/{h=$NF} END{print x, y, w, h}'
}
shoot() { import -window root "$work/$1.png"; }
# The band of the frame just above the bottom strip: the match list shows
# there while the pane is hidden, the pane while it is docked or slid out.
# How many of its pixels differ between two pictures.
band_differs() {
    compare -metric AE -crop "${fw}x100+$fx+$((fy + fh - 150))" "$work/$1.png" "$work/$2.png" null: 2>&1 |
        awk '{print int($1)}'
}
# Much of the band differs: a third of its pixels at least.
band_changed() { [ "$(band_differs "$1" "$2")" -gt $((fw * 100 / 3)) ]; }
shot_band_changed() { shoot now && band_changed "$1" now; }
shot_band_back() { shoot now && ! band_changed "$1" now; }

mkdir -p "$shots"
env -u DISPLAY TAVROLIN_BUILD_DIR="$build" TAVROLIN_SITE_LOG="$work/site.log" \
    setsid bash "$source_dir/tools/run.sh" >"$work/run.out" 2>&1 </dev/null &
runner=$!
wait_for 600 grep -q 'on the hidden display' "$work/run.out" || fail "run.sh started no display of its own"
export DISPLAY=$(sed -n 's/.*on the hidden display \(:[0-9]*\)\..*/\1/p' "$work/run.out" | head -n1)

# The frame and, over it, the start-up information box, both named Tavrolin;
# the frame is the larger one.
wait_for 600 count_named '^Tavrolin$' 2 || fail "the frame and its information box did not show"
frame= box=
for id in $(named '^Tavrolin$'); do
    read -r x y w h < <(place "$id")
    if [ -z "$frame" ] || [ "$w" -gt "$fw" ]; then
        box=$frame frame=$id fx=$x fy=$y fw=$w fh=$h
    else
        box=$id
    fi
done
sleep 1
# The box closed, then "Suche starten": the search (on from the start or
# started now) shows the pane docked at the bottom.
read -r x y w h < <(place "$box")
xdotool mousemove $((x + w - 50)) $((y + h - 25)) click 1
wait_for 50 count_named '^Tavrolin$' 1 || fail "the information box did not close"
xdotool mousemove $((fx + 67)) $((fy + 44)) click 1
sleep 1
xdotool mousemove $((fx + 300)) $((fy + 300))
sleep 0.5
shoot docked
cp "$work/docked.png" "$shots/run_autohide_docked.png"

# The pin at the right end of the pane's caption hides it to the strip.
xdotool mousemove $((fx + fw - 11)) $((fy + fh - 129)) click 1
wait_for 50 shot_band_changed docked || fail "the pin did not hide the pane"

row_y=(300 420)
for round in 1 2; do
    # Resting on a row of the match list, the pointer jumps onto the tab.
    xdotool mousemove $((fx + 300)) $((fy + row_y[round - 1]))
    sleep 0.1
    xdotool mousemove $((fx + 302)) $((fy + row_y[round - 1] + 2))
    sleep 0.6
    shoot "list$round"
    xdotool mousemove $((fx + 53)) $((fy + fh - 29))
    wait_for 30 shot_band_changed "list$round" ||
        fail "round $round: the pane did not slide out while the pointer rested on its tab"
    cp "$work/now.png" "$shots/run_autohide_slid_out_$round.png"
    # Back on the list, the pane slides back in.
    xdotool mousemove $((fx + 300)) $((fy + row_y[round - 1]))
    wait_for 30 shot_band_back "list$round" || fail "round $round: the pane did not slide back in"
done
echo "run: the hidden ticket pane slid out twice when the pointer jumped onto its tab and rested there"
