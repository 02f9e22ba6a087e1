#!/usr/bin/env bash
# tools/run.sh on the display it starts itself, tried as a user would with
# the mouse: double clicks (and right clicks) on the tray icon while a dialog
# runs over the frame on the screen (the start-up information box, then
# "Optionen") bring the dialog forward and never take the frame or the
# dialog off the screen, however many come, spaced as a user's. A frame the
# window manager minimized together with its dialog still comes back with
# it by the tray icon (a double click, a right click), the dialog active:
# Esc closes it.
failed_shot=run_tray_dialog_failed
source "$(dirname "${BASH_SOURCE[0]}")/run-display.sh"

# Whether each window given is mapped by the manager, not iconified.
on_screen() {
    local id
    for id in "$@"; do
        xwininfo -id "$id" | grep -q 'IsViewable' || return 1
        xprop -id "$id" WM_STATE | grep -q 'window state: Normal' || return 1
    done
}
# Whether the first window lies above the second in the manager's stacking.
manager_stacks_above() {
    xprop -root _NET_CLIENT_LIST_STACKING | tr -d ',' | awk -v a="$(printf '0x%x' "$1")" -v b="$(printf '0x%x' "$2")" '
        { for (i = 1; i <= NF; i++) { if ($i == a) ia = i; if ($i == b) ib = i } }
        END { exit !(ia > ib && ib > 0) }'
}
# $2 clicks on the icon while dialog $3 runs over the frame (double clicks,
# or right clicks with $4 = right), 0.3 to 0.6 s apart; between them the
# frame and the dialog are watched every tenth of a second: neither may
# leave the screen for a moment.
clicks_on_icon() {
    local what=$1 count=$2 dialog=$3 i tick
    local click=(click --repeat 2 --delay 80 1)
    [ "${4:-}" = right ] && click=(click 3)
    find_tray_icon "$what"
    for i in $(seq "$count"); do
        xdotool mousemove "$ix" "$iy" "${click[@]}"
        for tick in $(seq $((3 + RANDOM % 4))); do
            sleep 0.1
            on_screen "$frame" "$dialog" || fail "$what, click $i: the frame or its dialog went off the screen"
        done
        manager_stacks_above "$dialog" "$frame" || fail "$what, click $i: the dialog lies under the frame"
    done
}

start_run
find_frame_and_box
on_screen "$frame" "$box" || fail "the frame and its information box are not on the screen"
clicks_on_icon "under the information box" 6 "$box"
close_information_box
sleep 1
first=$(place "$frame")

# "Optionen" on the toolbar opens its dialog over the disabled frame.
open_options() {
    local fx fy fw fh
    read -r fx fy fw fh <<<"$first"
    xdotool mousemove $((fx + 529)) $((fy + 44)) click 1
    wait_for 50 count_named '^Optionen$' 1 || fail "$1: \"Optionen\" opened no dialog"
    options=$(named '^Optionen$')
    sleep 0.5
}
# Esc as the keyboard gives it to the window that has the focus.
esc_closes_options() {
    xdotool key Escape
    wait_for 30 count_named '^Optionen$' 0 || fail "$1: Esc did not close \"Optionen\""
    wait_for 30 on_screen "$frame" || fail "$1: the frame is not on the screen after the dialog"
}
open_options "double clicks"
clicks_on_icon "double clicks under \"Optionen\"" 30 "$options"
clicks_on_icon "right clicks under \"Optionen\"" 4 "$options" right
shoot_screen "$shots/run_tray_dialog_clicks.png" || fail "no picture of the screen"
# On the screen the dialog lies over the frame: its title bar, grey or blue,
# where the frame's rows would be white.
read -r dx dy dw dh < <(place "$options")
convert "$shots/run_tray_dialog_clicks.png" -crop "60x6+$((dx + 10))+$((dy - 14))" +repage txt:- |
    awk -F'[(,)]' 'NR > 1 { r = $3 + 0; b = $5 + 0
        if ((r >= 215 && r <= 240 && r - b < 12 && b - r < 12) || b - r > 60) n++ } END { exit !(n >= 200) }' ||
    fail "the screen does not show \"Optionen\" over the frame"
# The dialog itself closes as before (its close box: the keyboard's focus
# stays with the tray window the clicks went to).
xdotool mousemove $((dx + dw - 11)) $((dy - 11)) click 1
wait_for 30 count_named '^Optionen$' 0 || fail "\"Optionen\" did not close by its close box"

# The manager's minimize button of the frame takes the frame and its dialog
# off the screen; the tray icon brings both back, the dialog active.
minimize_under_options() {
    local fx fy fw fh
    open_options "$1"
    read -r fx fy fw fh <<<"$first"
    xdotool mousemove $((fx + fw - 45)) $((fy - 11)) click 1
    wait_for 30 count_named '^Optionen$' 0 || fail "$1: the minimize button left \"Optionen\" on the screen"
    on_screen "$frame" && fail "$1: the minimize button left the frame on the screen"
    find_tray_icon "$1"
}
minimize_under_options "minimized, double click"
xdotool mousemove "$ix" "$iy" click --repeat 2 --delay 80 1
wait_for 50 on_screen "$frame" "$options" || fail "minimized, double click: the frame and its dialog did not come back"
sleep 1  # the manager's restore animation
shoot_screen "$shots/run_tray_dialog_back.png" || fail "no picture of the screen"
# The dialog's title bar is the active one: blue, not grey.
read -r dx dy dw dh < <(place "$options")
convert "$shots/run_tray_dialog_back.png" -crop "60x6+$((dx + 10))+$((dy - 14))" +repage txt:- |
    awk -F'[(,)]' 'NR > 1 { if ($5 - $3 > 60) n++ } END { exit !(n >= 200) }' ||
    fail "minimized, double click: the dialog came back with an inactive title bar"
esc_closes_options "minimized, double click"
minimize_under_options "minimized, right click"
xdotool mousemove "$ix" "$iy" click 3
wait_for 50 on_screen "$frame" "$options" || fail "minimized, right click: the frame and its dialog did not come back"
sleep 0.5
esc_closes_options "minimized, right click"
echo "run_tray_dialog: 36 double clicks and 4 right clicks under a dialog kept the frame and the dialog on the screen; minimized with its dialog the frame came back with it, the dialog taking Esc"
