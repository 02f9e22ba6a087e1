#!/bin/sh
# The run prefix's command for web addresses (tools/run.sh sets it): the
# address goes to the simulated site, whose loopback address ($1) takes the
# place of the host, since the site serves unknown hosts any page. With a
# desktop browser it opens there; otherwise the address is written to the
# file ($2) that run.sh prints from.
site=$1 log=$2 url=$3
local_url=$(printf '%s' "$url" | sed -E "s#^([a-zA-Z]+://)[^/]*#\\1$site#")
if command -v xdg-open >/dev/null 2>&1 && xdg-open "$local_url" >/dev/null 2>&1; then
    exit 0
fi
printf '%s\n' "$local_url" >> "$log"
