#!/usr/bin/env bash
# tools/run.sh on the display it starts itself, tried as a user would with
# the mouse: the ticket pane, hidden to the frame's bottom strip by its pin,
# slides out when the pointer jumps onto its tab from a row of the match
# list in one move and rests there, and slides back in once the pointer
# has gone back to the list; twice over. Then three times from the bare
# desktop beside the frame: the pointer jumps straight onto the tab, rests,
# and the pane slides out; back on the desktop, it slides in.
failed_shot=run_autohide_failed
source "$(dirname "${BASH_SOURCE[0]}")/run-display.sh"
shoot() { shoot_screen "$work/$1.png"; }
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

start_run

find_frame_and_box
sleep 1
close_information_box
start_search
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

# A point of the bare desktop: right of the frame, clear of its windows and
# of the tray in the bottom right corner.
read -r screen_w _ < <(xdotool getdisplaygeometry)
desk_x=$(((fx + fw + screen_w) / 2)) desk_y=$((fy + 200))
[ "$desk_x" -gt $((fx + fw + 20)) ] || fail "no bare desktop beside the frame"
for round in 1 2 3; do
    # Each after the slide-out and back before it.
    xdotool mousemove $desk_x $desk_y
    wait_for 30 shot_band_back list1 || fail "desktop round $round: the pane did not slide back in first"
    sleep 0.5
    shoot "desk$round"
    xdotool mousemove $((fx + 53)) $((fy + fh - 29))
    wait_for 30 shot_band_changed "desk$round" ||
        fail "desktop round $round: the pane did not slide out while the pointer rested on its tab"
    cp "$work/now.png" "$shots/run_autohide_from_desktop_$round.png"
done
xdotool mousemove $desk_x $desk_y
wait_for 30 shot_band_back list1 || fail "the pane did not slide back in after the desktop rounds"
echo "run: the hidden ticket pane slid out twice when the pointer jumped onto its tab from the list and rested there,"
echo "run: and three times when it jumped there from the bare desktop"
