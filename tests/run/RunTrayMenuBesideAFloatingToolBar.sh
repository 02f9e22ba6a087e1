#!/usr/bin/env bash
# tools/run.sh on the display it starts itself, tried as a user would with
# the mouse and keys: the toolbar dragged by its gripper off its row to float
# over the frame, the frame's title clicked, then one right click on the
# tray icon opens the tray menu, and the toolbar still floats beside it;
# three times. Alt+X in the frame ends the program. The run's stored bar
# layout is removed before and after, so that the other runs start with the
# toolbar docked.
failed_shot=run_tray_menu_floating_failed
source "$(dirname "${BASH_SOURCE[0]}")/run-display.sh"
trap 'cleanup; forget_layout' EXIT

start_run_without_offers

# By its gripper from the top row to the frame's middle.
float_toolbar_over_middle

shows() { xwininfo -id "$1" | grep -q 'IsViewable'; }
find_tray_icon "floating"

# Each round: the frame's title (the window manager's title bar) clicked left
# of its buttons, so that the program is the active one, then one quick
# right click on the tray icon. The menu opens and stays; the toolbar floats
# on beside it. A click into the frame's match list ends the menu.
for round in 1 2 3; do
    xdotool mousemove $((fx + fw / 2)) $((fy - 11)) click 1
    sleep 1
    shows "$bar" || fail "round $round: the click on the frame's title hid the toolbar"
    xdotool mousemove "$ix" "$iy" click 3
    wait_for 30 menu_at "$ix" "$iy" >/dev/null || fail "round $round: the first right click on the tray icon opened no menu"
    read -r mx my mw mh < <(menu_at "$ix" "$iy")
    sleep 0.5
    menu_at "$ix" "$iy" >/dev/null || fail "round $round: the tray menu closed again by itself"
    shows "$bar" || fail "round $round: the toolbar hid when the tray menu opened"
    if [ "$round" -eq 1 ]; then
        shot="$shots/run_tray_menu_floating.png"
        import -window root "$shot"
        echo "run: the tray menu at $mx $my ($mw x $mh) beside the floating toolbar: $shot"
        # On the screen: the menu's light face, and the toolbar's caption.
        convert "$shot" -crop "${mw}x${mh}+$mx+$my" +repage -colorspace gray -format '%[fx:mean]' info: |
            awk '{ exit !($1 > 0.6) }' || fail "the screen does not show the menu's light face"
        read -r bx by bw bh < <(place "$bar")
        caption_shows "$shot" $((bx + 40)) $((by + 5)) $((bw - 80)) || fail "the screen does not show the toolbar's caption"
    fi
    xdotool mousemove $((fx + 96)) $((fy + 127)) click 1
    wait_for 30 eval '! menu_at "$ix" "$iy" >/dev/null' || fail "round $round: the click into the frame did not end the menu"
done

# The frame has the keys: Alt+X ends the program.
end_program_by_alt_x
echo "run: Alt+X ended the program"
