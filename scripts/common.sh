# Shared by run.sh, test.sh and package-test.sh: install what is missing (Debian or Ubuntu), then build.
set -euo pipefail

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
BUILD="${ZEVO_BUILD_DIR:-$ROOT/build}"

# What the build and the tests need, all from the distribution's packages. Qt Charts' CMake package
# asks for Qt's OpenGL one, which qt6-charts-dev does not bring along. Qt's own Polish texts (file
# dialogs, standard buttons) come with qt6-translations-l10n.
BUILD_PACKAGES="cmake ninja-build g++ pkg-config qt6-base-dev qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools
    qt6-charts-dev libqt6opengl6-dev libgl-dev libgtest-dev libgmock-dev libbenchmark-dev fonts-dejavu-core
    desktop-file-utils appstream dpkg-dev qt6-translations-l10n libhamlib-utils"

install_missing() {
    local missing=()
    for package in "$@"; do
        if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
            missing+=("$package")
        fi
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    local sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    echo "Installing: ${missing[*]}"
    $sudo apt-get update -q
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
}

build() {
    # shellcheck disable=SC2086
    install_missing $BUILD_PACKAGES "$@"
    # shellcheck disable=SC2086
    cmake -S "$ROOT" -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_EXPORT_COMPILE_COMMANDS=ON \
        ${ZEVO_CMAKE_OPTIONS:-}
    cmake --build "$BUILD" --parallel
}

# The ADIF reader of the interoperability test comes from the npm registry, pinned by
# tests/interop/package-lock.json, and lives in the build folder.
install_interop_reader() {
    if ! command -v npm >/dev/null 2>&1; then
        install_missing nodejs npm
    fi
    local folder="$BUILD/interop"
    mkdir -p "$folder"
    # npm ci starts from an empty node_modules: only when the pinned versions changed.
    if [ ! -d "$folder/node_modules" ] || ! cmp -s "$ROOT/tests/interop/package-lock.json" "$folder/package-lock.json"; then
        cp "$ROOT/tests/interop/package.json" "$ROOT/tests/interop/package-lock.json" "$folder/"
        (cd "$folder" && npm ci --ignore-scripts --no-audit --no-fund)
    fi
}
