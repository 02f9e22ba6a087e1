#!/usr/bin/env bash
# tools/run.sh on a machine so busy that the simulated site takes longer
# than ten seconds to listen (its Python held back by a stand-in): run.sh
# waits for it as long as it lives, starts its display and the program,
# and the program reaches the site. A site that ends before it listens is
# told at once.
failed_shot=run_slow_site_failed
source "$(dirname "${BASH_SOURCE[0]}")/run-display.sh"
real_python=$(command -v python3)
mkdir -p "$work/slow"
cat >"$work/slow/python3" <<SH
#!/usr/bin/env bash
case "\$*" in *ticketsite.py*) [ -n "\${SITE_ENDS:-}" ] && exit 3; sleep 12 ;; esac
exec "$real_python" "\$@"
SH
chmod +x "$work/slow/python3"

PATH="$work/slow:$PATH" start_run
wait_for 600 test -s "$site_log" || fail "the program asked the slow site nothing"
end_run "$runner"
runner=

# A site that ends at once: run.sh says so without waiting out its minute.
# (No display of the first run is left for a failure's picture.)
unset DISPLAY
started=$(date +%s)
run_out="$work/site-ends.out"
env PATH="$work/slow:$PATH" SITE_ENDS=1 TAVROLIN_BUILD_DIR="$build" \
    TAVROLIN_SITE_LOG="$work/site-ends.log" bash "$source_dir/tools/run.sh" >"$run_out" 2>&1 </dev/null
rc=$?
took=$(( $(date +%s) - started ))
[ "$rc" -ne 0 ] || fail "run.sh went on without its site"
grep -q "run: the simulated site did not start" "$run_out" || fail "run.sh did not say that the site did not start"
[ "$took" -lt 30 ] || fail "run.sh waited $took s for a site that had ended"
echo "run.sh waited for the slow site and told of the one that ended after $took s"
