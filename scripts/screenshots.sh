#!/usr/bin/env bash
# The pictures of the README: builds, starts the program on a virtual display with a window manager,
# loads a short contest through "Load Cabrillo file", types two more contacts, opens the statistics
# (F8) and saves docs/main-window.png and docs/statistics.png.
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
build xvfb xauth openbox imagemagick xdotool

WORK="$(mktemp -d)"
trap 'rm -rf "$WORK"' EXIT
# The session journal and any settings go into the throw-away folder, not into the user's.
export HOME="$WORK" XDG_DATA_HOME="$WORK/data" XDG_CONFIG_HOME="$WORK/config" XDG_CACHE_HOME="$WORK/cache"
export LOG="$WORK/qq1aaa.cbr" DOCS="$ROOT/docs" PROGRAM="$BUILD/bin/DUVUZozeved"
mkdir -p "$DOCS"

# Four hours of a contest: a busy start on 40M and 80M, a quieter spell, a run on 20M; every fourth
# contact in CW. The log passes the program's own log check (Log > Check log) without a finding.
qso() { # frequency mode hhmm number-sent call number-received: 59 on phone, 599 in CW
    local report=59
    [ "$2" = CW ] && report=599
    printf 'QSO: %5s %-2s 2026-04-05 %s QQ1AAA        %-3s %6s %-13s %-3s %6s\r\n' "$1" "$2" "$3" "$report" "$4" "$5" \
        "$report" "$6"
}
letters=ABCDEFGHIJKLMNOPQRSTUVWXYZ
call() {
    local i=$(($1 + 1)) # never the station's own call
    echo "QQ$((i % 9 + 1))${letters:$((i % 26)):1}${letters:$((i * 7 % 26)):1}${letters:$((i * 11 % 26)):1}"
}
{
    printf '%s\r\n' "START-OF-LOG: 2.0" "CONTEST: ZEVO CONTEST" "CALLSIGN: QQ1AAA" \
        "CATEGORY: SINGLE-OP ALL LOW MIXED" "CLAIMED-SCORE: 92" "NAME: Jan Example" \
        "ADDRESS: Example Street 1, 00-001 Example" "E-MAIL: qq1aaa@example.org" "OPERATORS: QQ1AAA" "SOAPBOX:"
    bands=(7000 7000 3500 7000 14000 3500 1800 21000 14000 14000)
    for i in $(seq 0 89); do
        minute=$((i < 40 ? i * 2 : i < 55 ? 80 + (i - 40) * 6 : 170 + (i - 55)))
        band=${bands[$((i * 7 % 10))]}
        [ "$i" -ge 55 ] && band=14000
        mode=PH
        [ $((i % 4)) -eq 3 ] && mode=CW
        qso "$band" "$mode" "$(printf '%02d%02d' $((15 + minute / 60)) $((minute % 60)))" $((i + 1)) \
            "$(call "$i")" $((i * 7 % 40 + 1))
    done
} >"$LOG"

xvfb-run -a -s "-screen 0 1600x900x24" bash -euo pipefail -c '
    openbox >/dev/null 2>&1 &
    "$PROGRAM" &
    program=$!
    trap "kill $program 2>/dev/null || true" EXIT
    main="$(timeout 20 xdotool search --sync --onlyvisible --name "^ZEVO Contest")"
    # Keys reach the window once the window manager, which may start after it, has given it the focus.
    for _ in $(seq 100); do
        [ "$(xdotool getactivewindow 2>/dev/null)" = "$main" ] && break
        sleep 0.1
    done
    xdotool windowactivate --sync "$main" key ctrl+o
    timeout 20 xdotool search --sync --onlyvisible --name "^Open" >/dev/null
    sleep 0.5
    xdotool type --delay 10 "$LOG"
    xdotool key Return
    sleep 1
    # The number sent goes on from the loaded log; then two contacts typed as the operator types them
    # (call, Enter, number, Enter). Under a menu bar of 11 to 32 pixels, the number sent and the call
    # are 86 to 107 and 126 to 147 pixels down the window.
    xdotool windowactivate --sync "$main" mousemove --window "$main" 368 118 click 1 key ctrl+a
    xdotool type 91
    xdotool mousemove --window "$main" 170 158 click 1
    for contact in "QQ2XYZ 12" "QQ5KLM 7"; do
        read -r call number <<<"$contact"
        xdotool type --delay 20 "$call"
        xdotool key Return
        xdotool type --delay 20 "$number"
        xdotool key Return
        sleep 0.3
    done
    xdotool key F8
    statistics="$(timeout 20 xdotool search --sync --onlyvisible --name "^Statistics$")"
    sleep 1
    import -window "$main" "$DOCS/main-window.png"
    import -window "$statistics" "$DOCS/statistics.png"
'
echo "Saved $DOCS/main-window.png and $DOCS/statistics.png"
