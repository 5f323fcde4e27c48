#!/usr/bin/env bash
# Builds the Debian package, installs it, starts the installed program the way its menu entry does
# on a virtual display, presses "Info" in both languages, then removes the package and checks that
# nothing of it is left. It installs and removes a package on this machine: CI runs it after
# scripts/test.sh; a package of the same name installed before is gone afterwards.
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
build xvfb xauth xdotool

PACKAGE=zevo-contest
APP_ID=pl.zevo.ZevoContest
SUDO=""
[ "$(id -u)" -ne 0 ] && SUDO="sudo"
WORK="$(mktemp -d)"
trap 'rm -rf "$WORK"' EXIT

fail() {
    echo "package test: $*" >&2
    exit 1
}

rm -f "$BUILD/${PACKAGE}"_*.deb
cmake --build "$BUILD" --target package
DEB="$(ls "$BUILD/${PACKAGE}"_*.deb)"

# What ships: the program and its desktop files, valid as a tree; no program that CTest runs.
dpkg-deb -x "$DEB" "$WORK/tree"
for program in $(ctest --test-dir "$BUILD" -N -V | sed -n 's|.*Test command: \([^ ]*\).*|\1|p' | sort -u); do
    if find "$WORK/tree" -name "$(basename "$program")" | grep .; then
        fail "the test program $program is in the package"
    fi
done
desktop-file-validate "$WORK/tree/usr/share/applications/$APP_ID.desktop"
appstreamcli validate-tree --no-net --strict "$WORK/tree"

# Qt loads its platform and JPEG plugins at run time, so the link does not name their packages.
depends="$(dpkg-deb -f "$DEB" Depends | tr ',|' '\n' | sed 's/(.*//; s/[[:space:]]//g')"
for plugin in platforms/libqxcb.so imageformats/libqjpeg.so; do
    owner="$(dpkg -S "*/qt6/plugins/$plugin" | head -1 | cut -d: -f1)"
    grep -qx "$owner" <<<"$depends" || fail "$owner holds $plugin but is not a dependency"
done

# Without recommends: the dependencies alone must make the program run.
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -q --no-install-recommends "$DEB"
dpkg -L "$PACKAGE" >"$WORK/files"

# The menu entry's command (without field codes) must reach the installed program through the PATH.
ENTRY="/usr/share/applications/$APP_ID.desktop"
COMMAND="$(sed -n 's/^Exec=//p' "$ENTRY" | sed 's/ *%[a-zA-Z]//g')"
ICON="$(sed -n 's/^Icon=//p' "$ENTRY")"
found="$(command -v "$COMMAND")" || fail "Exec=$COMMAND is not on the PATH"
grep -qx "$(readlink -f "$found")" "$WORK/files" || fail "Exec=$COMMAND runs $found, not the packaged program"
grep -q "/icons/hicolor/.*/apps/$ICON.png$" "$WORK/files" || fail "Icon=$ICON is not in the package"

# The licence, where Debian looks for it.
COPYRIGHT="/usr/share/doc/$PACKAGE/copyright"
grep -qx "$COPYRIGHT" "$WORK/files" || fail "$COPYRIGHT is not in the package"
grep -qx "License: GPL-3+" "$COPYRIGHT" || fail "$COPYRIGHT does not name the licence GPL-3+"

# The desktop's opener is replaced by one that writes down what "Info" asks it to open.
mkdir "$WORK/bin"
# shellcheck disable=SC2016 # the opener and the run expand their own variables
printf '#!/bin/sh\necho "$1" >>"%s"\n' "$WORK/opened" >"$WORK/bin/xdg-open"
chmod +x "$WORK/bin/xdg-open"
export COMMAND WORK PATH="$WORK/bin:$PATH"
# shellcheck disable=SC2016
xvfb-run -a -s "-screen 0 1024x768x24" bash -euo pipefail -c '
    opened() {
        for _ in $(seq 100); do
            [ "$(wc -l <"$WORK/opened" 2>/dev/null || echo 0)" -ge "$1" ] && return 0
            sleep 0.1
        done
        echo "package test: \"Info\" opened nothing" >&2
        return 1
    }
    "$COMMAND" &
    program=$!
    window="$(timeout 20 xdotool search --sync --onlyvisible --name "^ZEVO Contest")"
    # The buttons and the language choice stand at the bottom of the window, above the status bar,
    # whatever the bars above the list take.
    eval "$(xdotool getwindowgeometry --shell "$window")"
    xdotool mousemove --window "$window" 468 $((HEIGHT - 43)) click 1   # Info
    opened 1
    xdotool mousemove --window "$window" 26 $((HEIGHT - 60)) click 1    # Polski
    xdotool mousemove --window "$window" 468 $((HEIGHT - 43)) click 1   # Info
    opened 2
    xdotool mousemove --window "$window" 552 $((HEIGHT - 43)) click 1   # Exit
    timeout 10 tail --pid="$program" -f /dev/null
'
# Each text opened is the one of its language, and the package installed it.
expected=(info_eng.txt info_pl.txt)
[ "$(wc -l <"$WORK/opened")" -eq ${#expected[@]} ] || fail "\"Info\" opened: $(cat "$WORK/opened")"
line=0
while read -r url; do
    path="${url#file://}"
    [ "$(basename "$path")" = "${expected[$line]}" ] || fail "\"Info\" opened $url, not ${expected[$line]}"
    grep -qx "$path" "$WORK/files" || fail "\"Info\" opened $path, which the package did not install"
    line=$((line + 1))
done <"$WORK/opened"
echo "The installed program started from its menu entry and \"Info\" opened: $(tr '\n' ' ' <"$WORK/opened")"

DEBIAN_FRONTEND=noninteractive $SUDO apt-get purge -y -q "$PACKAGE"
left=()
while read -r path; do
    [ "$path" = "/." ] || [ ! -e "$path" ] && continue
    # A folder that other packages share stays.
    [ -d "$path" ] && dpkg -S "$path" >/dev/null 2>&1 && continue
    left+=("$path")
done <"$WORK/files"
[ ${#left[@]} -eq 0 ] || fail "left behind after removal: ${left[*]}"
echo "Package $(basename "$DEB") installed, ran and was removed cleanly."
