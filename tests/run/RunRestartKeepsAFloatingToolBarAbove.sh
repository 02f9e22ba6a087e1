#!/usr/bin/env bash
# tools/run.sh on the display it starts itself, tried as a user would with
# the mouse and keys: the toolbar dragged by its gripper off its row over the
# frame's middle, the program ended with Alt+X, then started again. Once the
# start-up information box is answered, the toolbar floats at its place
# above the frame, on the screen and in the display's stacking, without a
# click into the frame. The run's stored bar layout is removed before and
# after, so that the other runs start with the toolbar docked.
failed_shot=run_restart_floating_failed
source "$(dirname "${BASH_SOURCE[0]}")/run-display.sh"
trap 'cleanup; forget_layout' EXIT

WINEPREFIX="$build/wineprefix-run" wineserver -k 2>/dev/null
forget_layout
start_run
find_frame_and_box
sleep 1
close_information_box

# By its gripper from the top row to the frame's middle.
float_toolbar_over_middle
sleep 0.5
read -r bx by bw bh < <(place "$(named '^Standard$')")
echo "run: the toolbar floats at $bx $by ($bw x $bh) over the frame at $fx $fy ($fw x $fh)"
[ "$by" -lt "$midy" ] && [ $((by + bh)) -gt "$midy" ] || fail "the toolbar does not float over the frame's middle"

# Alt+X in the frame ends the program, which stores the layout.
end_program_by_alt_x

# The next start, on a display of its own.
start_run
find_frame_and_box
wait_for 50 count_named '^Standard$' 1 || fail "the toolbar does not float after the restart"
bar=$(named '^Standard$')
sleep 1
close_information_box
# Away from the bar and from the frame, so that nothing of it is lit.
xdotool mousemove 1200 900
sleep 1.5
read -r nx ny nw nh < <(place "$bar")
[ "$nx $ny" = "$bx $by" ] || fail "the toolbar came back at $nx $ny instead of $bx $by"
above "$bar" "$frame" || fail "after the restart the toolbar lies under the frame"
shot="$shots/run_restart_floating_toolbar.png"
shoot_screen "$shot" || fail "no picture of the screen"
caption_shows "$shot" $((nx + 40)) $((ny + 5)) $((nw - 80)) || fail "the screen does not show the toolbar's caption"
echo "run: after the restart the toolbar floats above the frame at $nx $ny: $shot"
