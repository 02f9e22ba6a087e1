#!/usr/bin/env bash
# tools/run.sh on the display it starts itself, tried as a user would: the
# toolbar's menu opens "Anpassen...", the window manager's minimize button
# takes the frame to the tray with the sheet, and a double click on the
# tray icon brings both back, the sheet over the frame and active. Esc ends
# the sheet, Ctrl+O then opens "Optionen", and Alt+X ends the program.
failed_shot=run_tray_sheet_failed
source "$(dirname "${BASH_SOURCE[0]}")/run-display.sh"
frame_shows() { count_named '^Tavrolin$' 1; }
sheet_gone() { count_named '^Anpassen$' 0; }
both_gone() { sheet_gone && count_named '^Tavrolin$' 0; }
both_back() { sheet_shows && frame_shows; }
sheet_active() { [ "$(xdotool getactivewindow getwindowname 2>/dev/null)" = "Anpassen" ]; }
run_ended() { ! kill -0 "$runner" 2>/dev/null; }

start_run_and_open_sheet
sleep 0.5
sheet_active || fail "\"Anpassen\" opened inactive"

# The manager's title bar: minimize, maximize, close at its right end.
xdotool mousemove $((fx + fw - 45)) $((fy - 11)) click 1
wait_for 50 both_gone || fail "the minimize button left the frame or the sheet on the screen"

tray=$(named '^Wine System Tray$' | head -n1)
[ -n "$tray" ] || fail "no tray window"
read -r tx ty tw th < <(place "$tray")
xdotool mousemove $((tx + 10)) $((ty + th / 2)) click --repeat 2 --delay 80 1
wait_for 50 both_back || fail "the tray icon's double click did not bring back the frame and the sheet"
wait_for 30 sheet_active || fail "the sheet came back, but the frame has the focus"
sleep 1
sheet_active || fail "the sheet lost the focus it came back with"
shoot_screen "$shots/run_tray_sheet_back.png" || fail "no picture of the screen"
# On the screen the sheet's title bar is the active one (blue) and the
# frame's is not.
read -r sx sy sw sh < <(place "$(named '^Anpassen$')")
blue() {
    convert "$shots/run_tray_sheet_back.png" -crop "60x6+$1+$2" +repage txt:- |
        awk -F'[(,)]' 'NR > 1 { if ($5 - $3 > 60) n++ } END { exit !(n >= 200) }'
}
blue $((sx + 40)) $((sy - 14)) || fail "the sheet came back with an inactive title bar"
blue $((fx + 100)) $((fy - 14)) && fail "the frame's title bar is the active one"

xdotool key Escape
wait_for 30 sheet_gone || fail "Esc did not end the sheet"
sleep 0.5
xdotool key ctrl+o
wait_for 50 count_named '^Optionen$' 1 || fail "Ctrl+O opened no \"Optionen\" after the sheet"
sleep 0.5
xdotool key Escape
wait_for 30 count_named '^Optionen$' 0 || fail "Esc did not close \"Optionen\""
sleep 0.5
xdotool key alt+x
wait_for 100 run_ended || fail "Alt+X did not end the program"
runner=
echo "run: the sheet came back from the tray over its frame and active; Esc, Ctrl+O and Alt+X worked after it"
