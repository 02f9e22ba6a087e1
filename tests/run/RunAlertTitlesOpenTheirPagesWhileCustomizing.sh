#!/usr/bin/env bash
# tools/run.sh on the display it starts itself, tried as a user would:
# "Anpassen..." opens from the toolbar's menu and stays open while the
# alerts of two scans come; a click on each alert's title closes that alert
# and opens its page, and run.sh says so for every click, also when a page
# comes again (the offers of a kind share their page).
failed_shot=run_alert_titles_failed
source "$(dirname "${BASH_SOURCE[0]}")/run-display.sh"
sheet_gone() { count_named '^Anpassen$' 0; }
run_ended() { ! kill -0 "$runner" 2>/dev/null; }
# The alerts on the screen (329 x 74 pixels each), the top one first.
alerts() {
    local id
    for id in $(xwininfo -root -children | awk '/ 329x74\+/ {print $1}'); do
        xwininfo -id "$id" | grep -q IsViewable && echo "$(place "$id" | cut -d' ' -f2) $id"
    done | sort -n | cut -d' ' -f2
}
has_alerts() { [ -n "$(alerts)" ]; }
gone() { ! xwininfo -id "$1" 2>/dev/null | grep -q IsViewable; }
opened_lines() { grep -c '^run: the program opened ' "$run_out"; }
opened_at_least() { [ "$(opened_lines)" -ge "$1" ]; }

start_run_and_open_sheet

# The demo's first two scans bring two or three alerts each.
clicks=0
for scan in 1 2; do
    wait_for 900 has_alerts || fail "scan $scan: no alert came while the sheet was open"
    sleep 1
    [ "$scan" -eq 1 ] && import -window root "$shots/run_alert_over_customize.png"
    for id in $(alerts); do
        read -r ax ay aw ah < <(place "$id")
        xdotool mousemove $((ax + 60)) $((ay + 24))
        sleep 0.4
        xdotool click 1
        wait_for 30 gone "$id" || fail "scan $scan: the click on the title left the alert open"
        clicks=$((clicks + 1))
        sheet_shows || fail "scan $scan: the click on an alert ended \"Anpassen\""
    done
done
[ "$(wc -l < "$build/run-links.log")" -eq "$clicks" ] ||
    fail "the program opened $(wc -l < "$build/run-links.log") pages for $clicks title clicks"
wait_for 30 opened_at_least "$clicks" ||
    fail "run.sh told of $(opened_lines) opened pages for $clicks title clicks"
[ "$(opened_lines)" -eq "$clicks" ] || fail "run.sh told of $(opened_lines) opened pages for $clicks title clicks"

xdotool key Escape
wait_for 30 sheet_gone || fail "Esc did not end the sheet"
sleep 0.5
xdotool key alt+x
wait_for 150 run_ended || fail "Alt+X did not end the program"
echo "run.sh told of each of the $clicks pages the alert titles opened while \"Anpassen\" ran"
