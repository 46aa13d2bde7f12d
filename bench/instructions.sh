#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Counts the instructions of the drag repaints under callgrind and prints them as ratios to
# the idle repaint. Unlike times, the counts do not move with the load of a shared machine.
#   bench/instructions.sh [BUILD_DIR]      (a Release build with display_bench, see README)
set -euo pipefail
build="${1:-build-bench}"
bench="$build/bench/display_bench"
out="$(mktemp -d)"
trap 'rm -rf "$out"' EXIT
export QT_QPA_PLATFORM="${QT_QPA_PLATFORM:-offscreen}"
for page in CustomLedWid MultizoneWid; do
    valgrind --tool=callgrind --callgrind-out-file="$out/$page" "$bench" \
        --benchmark_filter="$page" --benchmark_min_time=2 > /dev/null 2>&1
    callgrind_annotate --inclusive=yes "$out/$page" 2>/dev/null | awk -v page="$page" '
        /repaintIdlePage/   { gsub(",", "", $1); idle = $1 }
        /repaintSteadyDrag/ { gsub(",", "", $1); steady = $1 }
        /repaintMovingDrag/ { gsub(",", "", $1); moving = $1 }
        END { printf "%s: steady %.3fx, moving %.3fx the idle repaint\n", page,
                     steady / idle, moving / idle }'
done
