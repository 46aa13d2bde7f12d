#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds with AddressSanitizer and UndefinedBehaviorSanitizer and runs every test through
# CTest on Qt's offscreen platform. The exit code is CTest's.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
keylight_install_packages

build="${KEYLIGHT_TEST_BUILD:-$KEYLIGHT_ROOT/build-test}"
keylight_install_node_client "$build/npm"
keylight_configure_test_build "$build"
cmake --build "$build" -j "$(keylight_jobs)"

keylight_test_environment
set +e
cd "$build"
ctest --output-on-failure -j "$(keylight_jobs)" "$@"
exit $?
