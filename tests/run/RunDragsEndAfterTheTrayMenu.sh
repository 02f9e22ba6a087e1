#!/usr/bin/env bash
# tools/run.sh on the display it starts itself, tried as a user would with
# the mouse: the tray menu opened by a right click on the tray icon and Esc
# pressed (on this display Esc leaves the menu open: the keyboard stays on
# the tray window), then
# - the docked ticket pane dragged by its caption below the frame and let go
#   there: afterwards nothing is pending, a click on "Datei" opens its menu,
#   and the pane has not moved; the same drag without the tray menu floats
#   the pane;
# - with the toolbar floating, a click on its caption let go off the
#   program's windows: the toolbar stays where it was while the mouse moves
#   on, and is dragged by its caption afterwards as always.
# The run's stored bar layout is removed before and after.
failed_shot=run_drags_after_tray_menu_failed
source "$(dirname "${BASH_SOURCE[0]}")/run-display.sh"
trap 'cleanup; forget_layout' EXIT

start_run_without_offers
start_search
find_tray_icon "start"

# The program's shown windows other than the frame that hold the point.
windows_at() {
    local px=$1 py=$2 id x y w h
    for id in $(xwininfo -root -children | awk '/"tavrolin.exe"/{print $1}'); do
        [ $((id)) -eq $((frame)) ] && continue
        xwininfo -id "$id" | grep -q 'IsViewable' || continue
        read -r x y w h < <(place "$id")
        [ "$px" -ge "$x" ] && [ "$px" -lt $((x + w)) ] && [ "$py" -ge "$y" ] && [ "$py" -lt $((y + h)) ] && echo "$id"
    done
}
# The tray menu opened by one right click on the icon, and Esc.
tray_menu_and_esc() {
    xdotool mousemove "$ix" "$iy" click 3
    wait_for 30 menu_at "$ix" "$iy" >/dev/null || fail "$1: the right click on the tray icon opened no menu"
    sleep 0.5
    xdotool key Escape
    sleep 0.5
}
# The band of the frame where the docked pane lies: how many of its pixels
# differ between two pictures.
band_differs() {
    compare -metric AE -crop "${fw}x140+$fx+$((fy + fh - 160))" "$1" "$2" null: 2>&1 | awk '{print int($1)}'
}
# Drags the docked pane's caption from the frame to below it in steps and
# lets go there.
drag_pane_below_frame() {
    local px=$((fx + 200)) py=$((fy + fh - 128)) step
    xdotool mousemove $px $py mousedown 1
    for step in $(seq 10); do
        xdotool mousemove $px $((py + step * 20))
        sleep 0.1
    done
    sleep 0.3
    xdotool mouseup 1
    sleep 1
}

# The pane drag after the tray menu.
import -window root "$work/docked.png"
tray_menu_and_esc "pane"
drag_pane_below_frame
wait_for 30 eval '! menu_at "$ix" "$iy" >/dev/null' || fail "the press on the pane's caption did not end the tray menu"
named '^Verfügbare Tickets$' >/dev/null && fail "the pane floats after the drag that ended the tray menu"
# A click on "Datei" opens its menu and leaves the pane where it was.
xdotool mousemove $((fx + 20)) $((fy + 10)) click 1
wait_for 30 eval '[ -n "$(windows_at $((fx + 30)) $((fy + 40)))" ]' ||
    fail "the click on \"Datei\" opened no menu: a drag still waited for its release"
shot="$shots/run_drags_after_tray_menu_datei.png"
import -window root "$shot"
echo "run: after the tray menu and the pane drag, \"Datei\" opened its menu: $shot"
xdotool key Escape
sleep 0.5
named '^Verfügbare Tickets$' >/dev/null && fail "the click on \"Datei\" dropped the pane as a floating window"
import -window root "$work/after.png"
differs=$(band_differs "$work/docked.png" "$work/after.png")
[ "$differs" -lt $((fw * 140 / 20)) ] || fail "the docked pane moved ($differs pixels of its band differ)"

# The same drag without the tray menu floats the pane.
drag_pane_below_frame
wait_for 50 count_named '^Verfügbare Tickets$' 1 || fail "the pane drag without the tray menu did not float the pane"
pane=$(named '^Verfügbare Tickets$')
read -r qx qy qw qh < <(place "$pane")
echo "run: without the tray menu the pane drag floats the pane at $qx $qy"
# Docked back by a double click on its caption.
xdotool mousemove $((qx + 60)) $((qy + 5)) click --repeat 2 --delay 80 1
wait_for 50 eval '! count_named "^Verfügbare Tickets$" 1' || fail "the pane did not dock back"

# The toolbar floating over the frame, the frame's match list clicked.
float_toolbar_over_middle
xdotool mousemove $((fx + 96)) $((fy + 127)) click 1
sleep 0.5
read -r bx by bw bh < <(place "$bar")
read -r screen_w _ < <(xdotool getdisplaygeometry)
desk_x=$(((fx + fw + screen_w) / 2)) desk_y=$((fy + 200))
[ "$desk_x" -gt $((fx + fw + 20)) ] || fail "no bare desktop beside the frame"
tray_menu_and_esc "toolbar"
# Pressed on the toolbar's caption, let go at once on the bare desktop.
xdotool mousemove $((bx + 40)) $((by + 5)) mousedown 1 mousemove $desk_x $desk_y mouseup 1
sleep 0.5
for step in 1 2 3 4; do
    xdotool mousemove $((desk_x - step * 40)) $((desk_y + step * 60))
    sleep 0.3
done
read -r nx ny _ _ < <(place "$bar")
[ "$nx $ny" = "$bx $by" ] || fail "the toolbar follows the pointer with no button held: from $bx $by to $nx $ny"
# Dragged by its caption as always afterwards.
xdotool mousemove $((bx + 40)) $((by + 5)) mousedown 1
for step in $(seq 5); do
    xdotool mousemove $((bx + 40)) $((by + 5 + step * 20))
    sleep 0.1
done
xdotool mouseup 1
sleep 0.5
read -r nx ny _ _ < <(place "$bar")
[ "$ny" -eq $((by + 100)) ] || fail "the toolbar's caption drag after the tray menu moved it from $by to $ny, not 100 down"
echo "run: after the tray menu the toolbar stayed at $bx $by while the mouse moved on, and its caption drag moved it 100 down"

# The frame has the keys: Alt+X ends the program.
end_program_by_alt_x
echo "run: Alt+X ended the program"
