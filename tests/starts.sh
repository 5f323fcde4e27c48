#!/bin/sh
# The program as the desktop starts it: it comes up and keeps its session journal in the user's data,
# in a folder of its own name, and a signal to end leaves that journal for the next start.
set -eu
data=$(mktemp -d)
trap 'rm -rf "$data"' EXIT
XDG_DATA_HOME="$data" QT_QPA_PLATFORM=offscreen "$1" &
pid=$!
journal="$data/ZEVO Contest/session.journal"
for _ in $(seq 100); do
    if [ -s "$journal" ]; then
        kill "$pid"
        wait "$pid" || true
        [ -s "$journal" ] && exit 0
    fi
    sleep 0.1
done
kill "$pid" 2>/dev/null || true
echo "no session journal at $journal:" >&2
find "$data" >&2
exit 1
