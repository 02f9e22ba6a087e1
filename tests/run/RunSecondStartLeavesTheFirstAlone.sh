#!/usr/bin/env bash
# tools/run.sh started a second time, without a display, while a first one
# runs on the display it started itself, with the toolbar floated by the
# mouse (a change stored only when the program ends). The second start ends
# by itself within seconds, saying that the program runs and on which
# display; the first program keeps its frame, process and floating toolbar,
# its run.sh goes on and its site answers. Alt+X then ends the first as
# ever, which stores the floating toolbar; a start after it runs as before,
# and one killed on its way leaves nothing that blocks the next. When the
# run.sh of a running program is killed alone, a start says where the
# program runs and ends (status 1), leaving it running; Alt+X then ends it.
# The run's stored bar layout is removed before and after, so that the
# other runs start with the toolbar docked.
failed_shot=run_second_start_failed
source "$(dirname "${BASH_SOURCE[0]}")/run-display.sh"
prefix="$build/wineprefix-run"
second=
# The stored layout of the command bars in the run's prefix, with the
# program and its server ended.
forget_layout() {
    [ -f "$prefix/user.reg" ] || return 0
    WINEPREFIX="$prefix" wineserver -w 2>/dev/null
    python3 - "$prefix/user.reg" <<'PY'
import re, sys
path = sys.argv[1]
text = open(path, encoding='utf-8', errors='surrogateescape').read()
# A key's section runs from its header to the next blank line.
text = re.sub(r'\n\[Software\\\\Brannoch\\\\Tavrolin\\\\CommandBars2[^\]]*\][^\n]*\n(?:[^\n]+\n)*', '\n', text)
open(path, 'w', encoding='utf-8', errors='surrogateescape').write(text)
PY
}
# Whether the stored layout holds a floating bar.
stored_floating() {
    python3 - "$prefix/user.reg" <<'PY'
import re, sys
text = open(sys.argv[1], encoding='utf-8', errors='surrogateescape').read()
sections = re.findall(r'\n\[Software\\\\Brannoch\\\\Tavrolin\\\\CommandBars2[^\]]*\][^\n]*\n((?:[^\n]+\n)*)', text)
sys.exit(0 if any('"Floating"=dword:00000001' in s for s in sections) else 1)
PY
}
trap 'end_run "$second"; cleanup; forget_layout' EXIT
# A run.sh started as the user starts it, its output in $work/$1.out (a
# name of its own for each), with the site log of the running start, which
# it must leave as it is.
start_another() {
    env -u DISPLAY TAVROLIN_BUILD_DIR="$build" TAVROLIN_SITE_LOG="$site_log" \
        setsid bash "$source_dir/tools/run.sh" >"$work/$1.out" 2>&1 </dev/null &
    second=$!
}
second_running() { kill -0 "$second" 2>/dev/null; }
site_answers() { curl -s -o /dev/null --max-time 5 "http://127.0.0.1:$port/"; }

WINEPREFIX="$prefix" wineserver -k 2>/dev/null
forget_layout
start_run
find_frame_and_box
sleep 1
close_information_box
first_display=$DISPLAY
port=$(sed -n 's/.*the simulated site answers on port \([0-9]*\).*/\1/p' "$run_out" | head -n1)
[ -n "$port" ] || fail "run.sh named no port of its site"
program=$(xprop -id "$frame" _NET_WM_PID | awk '{print $NF}')
kill -0 "$program" 2>/dev/null || fail "the frame names no running process ($program)"

# By its gripper from the top row to the frame's middle.
float_toolbar_over_middle
site_lines=$(wc -l < "$site_log")

# The second start, as a user without a display starts it.
started=$(date +%s)
start_another second
wait_for 300 eval '! second_running'
took=$(( $(date +%s) - started ))
echo "run: the second run.sh said (after $took s):"; sed 's/^/    /' "$work/second.out"
# What the second start must have left as it was.
running || fail "the first run.sh ended when the second started"
kill -0 "$program" 2>/dev/null || fail "the first program (process $program) ended when the second started"
xdotool search --name '^Tavrolin$' 2>/dev/null | grep -qx "$frame" || fail "the first program's frame is gone"
[ "$(xprop -id "$frame" _NET_WM_PID | awk '{print $NF}')" = "$program" ] || fail "the frame belongs to another process"
count_named '^Standard$' 1 && [ "$(named '^Standard$')" = "$bar" ] || fail "the floating toolbar is gone"
site_answers || fail "the first run's site on port $port does not answer"
[ "$(wc -l < "$site_log")" -ge "$site_lines" ] || fail "the second start cut the first run's site log"
# What the second start must have said and done.
second_running && fail "the second run.sh still runs after 30 s"
grep -q "already runs" "$work/second.out" || fail "the second run.sh did not say that the program runs"
grep -qF "display $first_display" "$work/second.out" || fail "the second run.sh did not name the display $first_display"
[ "$took" -le 15 ] || fail "the second run.sh took $took s to end"
second=
shot="$shots/run_second_start_first_left_alone.png"
shoot_screen "$shot" || fail "no picture of the screen"
read -r bx by bw bh < <(place "$bar")
caption_shows "$shot" $((bx + 40)) $((by + 5)) $((bw - 80)) || fail "the screen does not show the floating toolbar's caption"
echo "run: after the second start the first program runs on with its floating toolbar: $shot"

# Alt+X in the frame ends the first program, which stores the layout.
end_program_by_alt_x
WINEPREFIX="$prefix" wineserver -w 2>/dev/null
stored_floating || fail "the floating toolbar was not stored when the program ended"

# A start after the first ended takes the folder; killed then, it leaves
# nothing that keeps the next start from running the program.
start_another killed
wait_for 300 grep -q '^\[' "$work/killed.out" || fail "a start after the first ended did not build: $(cat "$work/killed.out")"
# Out of the script's jobs first, so that the shell does not report the kill.
disown "$second"
kill -9 -- -"$second" 2>/dev/null
wait_for 50 eval '! second_running' || fail "the killed run.sh still runs"
second=
forget_layout
start_run
find_frame_and_box
echo "run: after a run.sh was killed, the next start runs the program again on $DISPLAY"

# Its run.sh killed alone: the program runs on, and a start leaves it.
program=$(xprop -id "$frame" _NET_WM_PID | awk '{print $NF}')
kill -0 "$program" 2>/dev/null || fail "the frame names no running process ($program)"
disown "$runner"
kill -9 "$runner"
wait_for 50 eval '! running' || fail "the killed run.sh still runs"
start_another orphan
wait_for 300 eval '! second_running'
second_running && fail "a start beside the program of the killed run.sh still runs after 30 s"
wait "$second"
rc=$?
second=
echo "run: a start after its run.sh was killed said:"; sed 's/^/    /' "$work/orphan.out"
[ "$rc" -eq 1 ] || fail "a start beside the program of the killed run.sh ended with $rc, not 1"
kill -0 "$program" 2>/dev/null || fail "a start ended the program of the killed run.sh"
grep -qF "still runs from $build on display $DISPLAY (process $program)" "$work/orphan.out" ||
    fail "a start did not say where the program of the killed run.sh runs"
close_information_box
xdotool mousemove $((fx + 96)) $((fy + 127)) click 1
sleep 0.5
xdotool key alt+x
wait_for 150 eval '! kill -0 "$program" 2>/dev/null' || fail "Alt+X did not end the program of the killed run.sh"
echo "run: the program of a killed run.sh ran on until Alt+X ended it"
