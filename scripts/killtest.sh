#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The long form of the kill test: kills a store writer RUNS times (default 200) at moments
# spread over its saves, half of them saving as the window does (coalesced, in the
# background), and checks after each kill that the file opens cleanly and lost no change
# older than half a second. Builds the sanitizer build of scripts/test.sh first.
#   scripts/killtest.sh [RUNS]
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

runs="${1:-200}"
if ! [[ "$runs" =~ ^[0-9]+$ ]] || [ "$runs" -eq 0 ]; then
    echo "usage: scripts/killtest.sh [RUNS]" >&2
    exit 2
fi
keylight_install_packages

build="${KEYLIGHT_TEST_BUILD:-$KEYLIGHT_ROOT/build-test}"
keylight_configure_test_build "$build"
cmake --build "$build" -j "$(keylight_jobs)" --target tst_storekill storewriter

keylight_test_environment
KEYLIGHT_KILL_RUNS="$runs" "$build/tests/store/tst_storekill"
