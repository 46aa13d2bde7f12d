#!/usr/bin/env bash
# Builds with AddressSanitizer and UndefinedBehaviorSanitizer and runs every test through
# CTest on Qt's offscreen platform. The exit code is CTest's.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
keylight_install_packages

build="${KEYLIGHT_TEST_BUILD:-$KEYLIGHT_ROOT/build-test}"
cmake -S "$KEYLIGHT_ROOT" -B "$build" -DCMAKE_BUILD_TYPE=Debug -DKEYLIGHT_SANITIZE=ON \
      -DKEYLIGHT_BUILD_BENCH=OFF
cmake --build "$build" -j "$(keylight_jobs)"

export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS="${ASAN_OPTIONS:-detect_leaks=1}"
export LSAN_OPTIONS="${LSAN_OPTIONS:-suppressions=$KEYLIGHT_ROOT/tests/lsan.supp}"
export UBSAN_OPTIONS="${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}"
set +e
cd "$build"
ctest --output-on-failure -j "$(keylight_jobs)" "$@"
exit $?
