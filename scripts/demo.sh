#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds in Release and starts keylight-host on its built-in profile store. Where there is
# no display, renders the window to a PNG instead and prints its path.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
keylight_install_packages

build="${KEYLIGHT_DEMO_BUILD:-$KEYLIGHT_ROOT/build-release}"
cmake -S "$KEYLIGHT_ROOT" -B "$build" -DCMAKE_BUILD_TYPE=Release -DKEYLIGHT_BUILD_TESTS=OFF \
      -DKEYLIGHT_BUILD_BENCH=OFF
cmake --build "$build" -j "$(keylight_jobs)" --target keylight-host

host="$build/host/keylight-host"
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    shot="$KEYLIGHT_ROOT/keylight-demo.png"
    echo "No display found: rendering the page offscreen instead."
    QT_QPA_PLATFORM=offscreen "$host" --screenshot "$shot" "$@"
    echo "Screenshot written to $shot"
else
    exec "$host" "$@"
fi
