#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test (the window tests on Qt's offscreen platform).
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
build
install_interop_reader
cd "$BUILD"
ctest --output-on-failure --parallel 2
