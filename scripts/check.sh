#!/usr/bin/env bash
# The strict checks CI runs beside the tests, on the build that scripts/test.sh made: one formatting
# style, clang-tidy on the program's sources, the rooms of src/app, and translations that are current
# and complete.
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
install_missing clang-format clang-tidy
cd "$ROOT"

echo "== clang-format"
git ls-files -- '*.cpp' '*.h' | xargs clang-format --dry-run -Werror

echo "== clang-tidy"
[ -f "$BUILD/compile_commands.json" ] || { echo "no $BUILD/compile_commands.json: run scripts/test.sh first"; exit 1; }
git ls-files -- 'src/*.cpp' | xargs -P "$(nproc)" -n 4 clang-tidy -p "$BUILD" --quiet

echo "== rooms of src/app"
# From the bottom up: a file includes its own room and those below it, never one above (nor the top's
# Unit1.h or Program.h).
rooms=(platform widgets session entry log dialogs radio checkfile import)
for low in "${!rooms[@]}"; do
    pattern="#include \"(Unit1\.h|Program\.h"
    for high in "${rooms[@]:$((low + 1))}"; do
        pattern+="|$high/"
    done
    pattern+=")"
    if grep -nE "$pattern" "src/app/${rooms[$low]}"/*; then
        echo "src/app/${rooms[$low]} includes a room above it"
        exit 1
    fi
done

echo "== translations"
# Refreshing the sources must change nothing, and no text may wait for its translation.
status=0
for ts in resources/translations/*.ts; do
    cp "$ts" "$BUILD/$(basename "$ts").before"
done
cmake --build "$BUILD" --target update_translations >/dev/null
for ts in resources/translations/*.ts; do
    before="$BUILD/$(basename "$ts").before"
    if ! cmp -s "$before" "$ts"; then
        echo "$ts is not current: refresh it with 'cmake --build build --target update_translations'"
        diff -u "$before" "$ts" | head -n 40
        status=1
    fi
    if grep -n 'type="unfinished"' "$ts"; then
        echo "$ts has texts without their translation"
        status=1
    fi
    cp "$before" "$ts"
done
exit $status
