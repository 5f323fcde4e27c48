#!/usr/bin/env bash
# The whole test suite once more, built by clang with AddressSanitizer and UndefinedBehaviorSanitizer
# in a build folder of its own, and the fuzz targets run for a short while each (the `fuzz` label).
# CI runs it after scripts/test.sh.
ZEVO_BUILD_DIR="${ZEVO_SANITIZE_BUILD_DIR:-$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)/build-asan}"
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
ZEVO_CMAKE_OPTIONS="-DZEVO_WARNINGS_AS_ERRORS=ON -DZEVO_SANITIZE=ON -DZEVO_FUZZ=ON -DCMAKE_CXX_COMPILER=clang++"
export ZEVO_CMAKE_OPTIONS
build clang libclang-rt-14-dev llvm
install_interop_reader

# Qt's own caches (fonts, plugins) live until the program ends and are not ours to free; everything
# else that leaks fails the run.
#
# intercept_tls_get_addr=0: clang 14's runtime finds the thread-local blocks of libraries loaded at run
# time by guessing from their addresses; when a block lands 16 bytes into a page it reads a made-up
# range, and the leak check at exit crashes scanning it. glibc puts those blocks on the heap and points
# to them from each thread's own data, so the check still reaches whatever they hold.
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=0:strict_string_checks=1:detect_stack_use_after_return=1:intercept_tls_get_addr=0"
export LSAN_OPTIONS="suppressions=$ROOT/scripts/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
cd "$BUILD"
ctest --output-on-failure --parallel 2
