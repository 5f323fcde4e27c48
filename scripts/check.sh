#!/usr/bin/env bash
# The strict checks CI runs beside the tests, on the build that scripts/test.sh made: one formatting
# style, clang-tidy on the program's sources, and translations that are current and complete.
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
install_missing clang-format clang-tidy
cd "$ROOT"

echo "== clang-format"
git ls-files -- '*.cpp' '*.h' | xargs clang-format --dry-run -Werror

echo "== clang-tidy"
[ -f "$BUILD/compile_commands.json" ] || { echo "no $BUILD/compile_commands.json: run scripts/test.sh first"; exit 1; }
git ls-files -- 'src/*.cpp' | xargs -P "$(nproc)" -n 4 clang-tidy -p "$BUILD" --quiet

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
