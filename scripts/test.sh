#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test (the window tests on Qt's offscreen platform).
# A warning is an error here: what the tests pass is built clean.
ZEVO_CMAKE_OPTIONS="-DZEVO_WARNINGS_AS_ERRORS=ON"
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
build
install_interop_reader
cd "$BUILD"
ctest --output-on-failure --parallel 2
