#!/usr/bin/env bash
# tools/run.sh on the display it starts itself, tried as a user would with
# the mouse: the tray icon can be reached beside the frame at its first
# place, and the frame sent to the tray by the window manager's minimize
# button (and by its close box) comes back at the size and place it had,
# by a double click on the tray icon as by the tray menu's "Öffnen", over
# several round trips. A maximized frame that comes back from the tray
# restores to its size before; a frame the manager minimized together with
# its modal dialog comes back with it through the tray icon.
failed_shot=run_tray_failed
source "$(dirname "${BASH_SOURCE[0]}")/run-display.sh"
# Whether the point lies inside the given place.
inside() {
    local px=$1 py=$2 x=$3 y=$4 w=$5 h=$6
    [ "$px" -ge "$x" ] && [ "$px" -lt $((x + w)) ] && [ "$py" -ge "$y" ] && [ "$py" -lt $((y + h)) ]
}
# The frame's window, once it shows alone.
frame_shows() { count_named '^Tavrolin$' 1; }
frame_gone() { count_named '^Tavrolin$' 0; }
# The frame shows again with the place it had and keeps it once the window
# manager has framed it anew.
check_place() {
    wait_for 50 frame_shows || fail "$1: the frame did not come back"
    sleep 1
    local now
    now=$(place "$(named '^Tavrolin$')")
    [ "$now" = "$first" ] || fail "$1: the frame came back at $now instead of $first (x y width height)"
}
to_tray_by_minimize() {
    local fx fy fw fh
    read -r fx fy fw fh <<<"$first"
    # The manager's title bar: minimize, maximize, close at its right end.
    xdotool mousemove $((fx + fw - 45)) $((fy - 11)) click 1
    wait_for 50 frame_gone || fail "$1: the minimize button did not send the frame to the tray"
}
back_by_double_click() {
    find_tray_icon "$1"
    xdotool mousemove "$ix" "$iy" click --repeat 2 --delay 80 1
    check_place "$1"
}
# The tray menu opens at the pointer with "Öffnen" on top.
back_by_open() {
    local mx my mw mh
    find_tray_icon "$1"
    xdotool mousemove "$ix" "$iy" click 3
    wait_for 30 menu_at "$ix" "$iy" >/dev/null || fail "$1: the tray menu did not open"
    read -r mx my mw mh < <(menu_at "$ix" "$iy")
    xdotool mousemove $((mx + mw / 2)) $((my + 10)) click 1
    check_place "$1"
}

start_run

find_frame_and_box
close_information_box
sleep 1
first=$(place "$frame")

# The tray icon lies beside the frame at its first place, where a click
# reaches it.
find_tray_icon "at the start"
read -r fx fy fw fh <<<"$first"
inside "$ix" "$iy" $((fx - 4)) $((fy - 25)) $((fw + 8)) $((fh + 29)) &&
    fail "the frame at its first place covers the tray icon"
shoot_screen "$shots/run_tray_start.png" || fail "no picture of the screen"
# On the screen there: the icon's colours, not the tray's white or the desktop.
convert "$shots/run_tray_start.png" -crop "16x16+$((ix - 8))+$((iy - 8))" +repage txt:- |
    awk -F'[(,)]' 'NR > 1 { r = $3 + 0; g = $4 + 0; b = $5 + 0
        if (r > 150 && r - b > 80) n++ } END { exit !(n >= 20) }' ||
    fail "the screen shows no tray icon at ($ix, $iy)"

to_tray_by_minimize "minimize 1"
back_by_double_click "minimize 1, double click"
to_tray_by_minimize "minimize 2"
back_by_open "minimize 2, Öffnen"
to_tray_by_minimize "minimize 3"
back_by_double_click "minimize 3, double click"
# The close box's road keeps it too.
read -r fx fy fw fh <<<"$first"
xdotool mousemove $((fx + fw - 11)) $((fy - 11)) click 1
wait_for 50 frame_gone || fail "the close box did not send the frame to the tray"
back_by_open "close box, Öffnen"
import -window root "$shots/run_tray_after.png"

# Maximized by a double click on the title bar, through the tray by the close
# box and by the minimize button, back by the tray icon still maximized; a
# double click on the title bar then gives the frame its size before.
maximized() { [ "$(place "$(named '^Tavrolin$')" | cut -d' ' -f3)" -eq "$(xdotool getdisplaygeometry | cut -d' ' -f1)" ]; }
maximize() {
    read -r fx fy fw fh <<<"$first"
    xdotool mousemove $((fx + fw / 2)) $((fy - 11)) click --repeat 2 --delay 80 1
    wait_for 30 maximized || fail "$1: the title bar's double click did not maximize the frame"
}
restore_after() {
    local mx my mw mh
    find_tray_icon "$1"
    xdotool mousemove "$ix" "$iy" click --repeat 2 --delay 80 1
    wait_for 50 frame_shows || fail "$1: the frame did not come back"
    wait_for 30 maximized || fail "$1: the frame came back not maximized"
    sleep 0.5
    read -r mx my mw mh < <(place "$(named '^Tavrolin$')")
    xdotool mousemove $((mx + mw / 2)) $((my - 11)) click --repeat 2 --delay 80 1
    check_place "$1"
}
maximize "maximized, close box"
read -r mx my mw mh < <(place "$(named '^Tavrolin$')")
xdotool mousemove $((mx + mw - 11)) $((my - 11)) click 1
wait_for 50 frame_gone || fail "maximized: the close box did not send the frame to the tray"
restore_after "maximized, close box, restored"
maximize "maximized, minimize"
read -r mx my mw mh < <(place "$(named '^Tavrolin$')")
xdotool mousemove $((mx + mw - 45)) $((my - 11)) click 1
wait_for 50 frame_gone || fail "maximized: the minimize button did not send the frame to the tray"
restore_after "maximized, minimize, restored"

# "Optionen" on the toolbar opens its dialog over the disabled frame; the
# manager's minimize button of the dialog, or of the frame, takes both off
# the screen. The tray icon brings both back (a double click, a right click),
# and once the dialog is closed the frame is as before.
open_options() {
    read -r fx fy fw fh <<<"$first"
    xdotool mousemove $((fx + 529)) $((fy + 44)) click 1
    wait_for 50 count_named '^Optionen$' 1 || fail "$1: \"Optionen\" opened no dialog"
    sleep 0.5
}
both_gone() { count_named '^Optionen$' 0 && frame_gone; }
both_back() { count_named '^Optionen$' 1 && frame_shows; }
# Escape as the keyboard gives it to the active dialog, else its close box.
close_options() {
    local dx dy dw dh
    read -r dx dy dw dh < <(place "$(named '^Optionen$')")
    xdotool key Escape
    wait_for 20 count_named '^Optionen$' 0 || xdotool mousemove $((dx + dw - 11)) $((dy - 11)) click 1
    wait_for 30 count_named '^Optionen$' 0 || fail "$1: the dialog did not close"
    check_place "$1"
}
open_options "dialog minimized"
read -r dx dy dw dh < <(place "$(named '^Optionen$')")
xdotool mousemove $((dx + dw - 41)) $((dy - 11)) click 1
wait_for 30 both_gone || fail "dialog minimized: the minimize button left the frame or its dialog on the screen"
find_tray_icon "dialog minimized"
xdotool mousemove "$ix" "$iy" click --repeat 2 --delay 80 1
wait_for 50 both_back || fail "dialog minimized: the tray icon's double click did not bring back the frame and its dialog"
sleep 1  # the manager's restore animation
shoot_screen "$shots/run_tray_dialog_back.png" || fail "no picture of the screen"
# On the screen the dialog's title bar is the active one: blue, not grey.
read -r dx dy dw dh < <(place "$(named '^Optionen$')")
convert "$shots/run_tray_dialog_back.png" -crop "60x6+$((dx + 10))+$((dy - 14))" +repage txt:- |
    awk -F'[(,)]' 'NR > 1 { if ($5 - $3 > 60) n++ } END { exit !(n >= 200) }' ||
    fail "dialog minimized: the dialog came back with an inactive title bar"
close_options "dialog minimized, closed"
open_options "frame minimized under the dialog"
read -r fx fy fw fh <<<"$first"
xdotool mousemove $((fx + fw - 45)) $((fy - 11)) click 1
wait_for 30 both_gone || fail "frame minimized under the dialog: the minimize button left the frame or its dialog on the screen"
find_tray_icon "frame minimized under the dialog"
xdotool mousemove "$ix" "$iy" click 3
wait_for 50 both_back || fail "frame minimized under the dialog: the tray icon's right click did not bring back the frame and its dialog"
close_options "frame minimized under the dialog, closed"
echo "run: the frame kept its place ($first) over six round trips through the tray and came back with its dialog"
