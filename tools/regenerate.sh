#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds the artwork generator and draws the images into resources/ and host/resources/.
# Run it after changing the drawing code in tools/artgen or the keyboard form, then commit
# the images together with the change.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${KEYLIGHT_ART_BUILD:-$root/build-art}"
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release -DKEYLIGHT_BUILD_TESTS=OFF \
      -DKEYLIGHT_BUILD_BENCH=OFF
cmake --build "$build" --target regenerate-artwork -j "$(nproc 2>/dev/null || echo 2)"
