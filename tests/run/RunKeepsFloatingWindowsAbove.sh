#!/usr/bin/env bash
# tools/run.sh on the display it starts itself, tried as a user would with
# the mouse: the display has a window manager; the ticket pane floated by a
# double click on its caption and the toolbar dragged off its dock by its
# gripper float over the frame, and stay above it over clicks into the match
# list and over a round trip through the tray (the close box, then a double
# click on the tray icon). The toolbar floating low over the frame lies under
# the windows opened later: "Optionen" (Ctrl+O), whose OK it would cover, and
# the pane floated again. Hiding a window (closing the start-up information
# box, docking the pane back) does not stall the program for the 2 s Wine
# waits for a window manager that is not there.
failed_shot=run_floating_failed
source "$(dirname "${BASH_SOURCE[0]}")/run-display.sh"
now_ms() { date +%s%3N; }
check_above() {
    above "$pane" "$frame" || fail "$1: the pane lies under the frame"
    above "$bar" "$frame" || fail "$1: the toolbar lies under the frame"
}
# How many pixels of a rectangle (X Y W H) differ between two screenshots.
count_changed() {
    local crop="-crop ${5}x${6}+$3+$4 +repage"
    paste -d' ' <(convert "$1" $crop txt:- | tail -n +2 | awk '{print $3}') \
                <(convert "$2" $crop txt:- | tail -n +2 | awk '{print $3}') | awk '$1 != $2 {n++} END {print n + 0}'
}
check_screen() {
    local shot="$shots/$2.png" px py pw ph bx by bw bh
    shoot_screen "$shot" || fail "no picture of the screen"
    read -r px py pw ph < <(place "$pane")
    read -r bx by bw bh < <(place "$bar")
    caption_shows "$shot" $((px + 40)) $((py + 5)) $((pw - 80)) || fail "$1: the screen does not show the pane's caption"
    # Where the pane lies over the toolbar, the part of its caption right of the pane.
    local from=$((bx + 40)) to=$((bx + bw - 40))
    [ $((py + ph)) -gt "$by" ] && [ "$py" -lt $((by + 10)) ] && [ $((px + pw + 5)) -gt "$from" ] && from=$((px + pw + 5))
    [ $((to - from)) -gt 40 ] || fail "$1: the pane covers the toolbar's caption"
    caption_shows "$shot" "$from" $((by + 5)) $((to - from)) || fail "$1: the screen does not show the toolbar's caption"
}

start_run

find_frame_and_box
xprop -id "$frame" _NET_WM_NAME WM_STATE | grep -q 'WM_STATE' || fail "the frame is not managed"
sleep 1
# Closing the box hides a window; the next clicks, on "Suche starten" (the
# search, on from the start or started now, shows the pane) and on the
# docked pane's caption, float the pane.
read -r x y w h < <(place "$box")
start=$(now_ms)
xdotool mousemove $((x + w - 50)) $((y + h - 25)) click 1
wait_for 50 count_named '^Tavrolin$' 1 || fail "the information box did not close"
xdotool mousemove $((fx + 67)) $((fy + 44)) click 1
xdotool mousemove $((fx + 200)) $((fy + fh - 128)) click --repeat 2 --delay 80 1
wait_for 50 count_named '^Verfügbare Tickets$' 1 || fail "the pane did not float"
float_ms=$(( $(now_ms) - start ))
pane=$(named '^Verfügbare Tickets$')

# The pane docked back, and the toolbar dragged by its gripper low over the
# frame, over the place of the pane's list.
read -r x y w h < <(place "$pane")
xdotool mousemove $((x + 60)) $((y + 5)) click --repeat 2 --delay 80 1
wait_for 50 eval '! count_named "^Verfügbare Tickets$" 1' || fail "the pane did not dock back"
before=$(xdotool search --onlyvisible --name '.' 2>/dev/null | sort)
xdotool mousemove $((fx + 7)) $((fy + 44)) mousedown 1
for step in $(seq 10); do xdotool mousemove $((fx + 7 + step * 51)) $((fy + 44 + step * 61)); sleep 0.1; done
xdotool mouseup 1
bar_floats() {
    bar=$(comm -13 <(printf '%s\n' "$before") <(xdotool search --onlyvisible --name '.' 2>/dev/null | sort) | head -n1)
    [ -n "$bar" ]
}
wait_for 50 bar_floats || fail "the toolbar did not float"
sleep 0.5
above "$bar" "$frame" || fail "floated: the toolbar lies under the frame"
read -r bx by bw bh < <(place "$bar")
shoot_screen "$work/bar.png" || fail "no picture of the screen"

# Ctrl+O opens "Optionen" over the frame and over the toolbar, which covers
# its OK button; the screen shows the dialog where both overlap, and a click
# on OK reaches it.
xdotool key ctrl+o
wait_for 50 count_named '^Optionen$' 1 || fail "Ctrl+O did not open Optionen"
options=$(named '^Optionen$')
sleep 0.5
read -r ox oy ow oh < <(place "$options")
okx=$((ox + ow - 131)) oky=$((oy + oh - 23))
[ "$okx" -gt "$bx" ] && [ "$okx" -lt $((bx + bw)) ] && [ "$oky" -gt "$by" ] && [ "$oky" -lt $((by + bh)) ] ||
    fail "the toolbar ($bx $by $bw $bh) does not lie over the place of OK ($okx $oky)"
above "$options" "$bar" || fail "Optionen lies under the floating toolbar"
shoot_screen "$shots/run_floating_options_over_toolbar.png" || fail "no picture of the screen"
top=$((by > oy ? by : oy)) bottom=$((by + bh < oy + oh ? by + bh : oy + oh))
left=$((bx > ox ? bx : ox)) right=$((bx + bw < ox + ow ? bx + bw : ox + ow))
changed=$(count_changed "$work/bar.png" "$shots/run_floating_options_over_toolbar.png" \
          "$left" "$top" $((right - left)) $((bottom - top)))
[ "$changed" -gt $(((right - left) * (bottom - top) / 2)) ] ||
    fail "the screen shows the toolbar over Optionen ($changed pixels changed)"
xdotool mousemove "$okx" "$oky" click 1
wait_for 30 count_named '^Optionen$' 0 || fail "a click on OK did not close Optionen"

# The pane floated again lies above the toolbar, which covers part of it.
xdotool mousemove $((fx + 200)) $((fy + fh - 128)) click --repeat 2 --delay 80 1
wait_for 50 count_named '^Verfügbare Tickets$' 1 || fail "the pane did not float again"
pane=$(named '^Verfügbare Tickets$')
sleep 0.5
above "$pane" "$bar" || fail "the pane floated after the toolbar lies under it"
check_above "floated"
check_screen "floated" run_floating_floated

# Clicks into the match list (the number column of the top rows) activate
# the frame; its floating windows stay above it.
for row in 0 1 2 3; do
    xdotool mousemove $((fx + 96)) $((fy + 127 + row * 18)) click 1
    sleep 0.5
    check_above "click $row"
    above "$pane" "$bar" || fail "click $row: the toolbar lies over the pane"
done
check_screen "after the clicks" run_floating_after_clicks

# The close box (the window manager's) sends the frame to the tray; a
# double click on its icon in Wine's tray window is "Öffnen".
xdotool mousemove $((fx + fw - 11)) $((fy - 11)) click 1
wait_for 50 eval '! count_named "^Tavrolin$" 1' || fail "the close box did not send the frame to the tray"
named '^Verfügbare Tickets$' >/dev/null && fail "in the tray the pane stays on the desktop"
named '^Standard$' >/dev/null && fail "in the tray the toolbar stays on the desktop"
tray=$(named '^Wine System Tray$' | head -n1)
[ -n "$tray" ] || fail "no tray window"
read -r x y w h < <(place "$tray")
xdotool mousemove $((x + 10)) $((y + 10)) click --repeat 2 --delay 80 1
wait_for 50 count_named '^Tavrolin$' 1 || fail "the tray icon did not open the frame"
frame=$(named '^Tavrolin$')
sleep 1.5
check_above "after the tray"
check_screen "after the tray" run_floating_after_tray

# Docking the pane back by a double click on its caption hides its floating
# window; a double click on its docked caption floats it again at once.
read -r x y w h < <(place "$pane")
start=$(now_ms)
xdotool mousemove $((x + 60)) $((y + 5)) click --repeat 2 --delay 80 1
wait_for 50 eval '! count_named "^Verfügbare Tickets$" 1' || fail "the pane did not dock back"
xdotool mousemove $((fx + 200)) $((fy + fh - 128)) click --repeat 2 --delay 80 1
wait_for 50 count_named '^Verfügbare Tickets$' 1 || fail "the pane did not float again"
redock_ms=$(( $(now_ms) - start ))

echo "run: the box closed and the pane floated in $float_ms ms; docked back and floated again in $redock_ms ms"
[ "$float_ms" -lt 1500 ] || fail "hiding the information box stalled the program ($float_ms ms)"
[ "$redock_ms" -lt 1500 ] || fail "docking the pane back stalled the program ($redock_ms ms)"
echo "run: Optionen and the pane floated later lay above the floating toolbar; OK took a click"
echo "run: the floating pane and toolbar stayed above the frame over 4 clicks into it and the tray"
