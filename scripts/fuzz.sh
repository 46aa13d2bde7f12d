#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds the fuzz targets with clang (libFuzzer, AddressSanitizer, UndefinedBehaviorSanitizer)
# in build-fuzz/ and runs each one for SECONDS seconds (default 60), starting from the seed
# corpora in fuzz/corpus/. New inputs collect in build-fuzz/corpus/<target>/, crashing
# inputs in build-fuzz/artifacts/. Exit code 1 when a target found a fault.
#   scripts/fuzz.sh [SECONDS]
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

seconds="${1:-60}"
if ! [[ "$seconds" =~ ^[0-9]+$ ]]; then
    echo "usage: scripts/fuzz.sh [SECONDS]" >&2
    exit 2
fi
keylight_install_packages clang libclang-rt-14-dev

build="${KEYLIGHT_FUZZ_BUILD:-$KEYLIGHT_ROOT/build-fuzz}"
cmake -S "$KEYLIGHT_ROOT/fuzz" -B "$build" -DCMAKE_CXX_COMPILER=clang++ \
      -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build "$build" -j "$(keylight_jobs)"

export LSAN_OPTIONS="${LSAN_OPTIONS:-suppressions=$KEYLIGHT_ROOT/fuzz/lsan.supp}"
export UBSAN_OPTIONS="${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}"
status=0
for target in decoder store openrgb; do
    found="$build/corpus/$target"
    mkdir -p "$found" "$build/artifacts"
    echo "== ${target}_fuzz for ${seconds} s"
    # The first folder receives new inputs; the seed folder is only read. A leak check
    # after every input would cost most of the speed; AddressSanitizer still checks memory.
    "$build/${target}_fuzz" -max_total_time="$seconds" -print_final_stats=1 -detect_leaks=0 \
        -artifact_prefix="$build/artifacts/${target}-" \
        "$found" "$KEYLIGHT_ROOT/fuzz/corpus/$target" || status=1
done
exit "$status"
