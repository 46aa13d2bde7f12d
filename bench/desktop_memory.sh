#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The host resident in the tray: its private memory (Private_Dirty of smaps_rollup) started
# with --minimized, with the window shown over D-Bus, and after the window was closed to the
# tray; then how often its threads wake in 10 s with the window released and a still effect.
#   bench/desktop_memory.sh [HOST...]   (Release builds of keylight-host; by default the one
#                                        in build-bench, see README)
# Several hosts are measured one after the other in the same run, for before and after.
# Needs xvfb-run, openbox, trayer (a system tray), wmctrl, gdbus and dbus-run-session.
set -euo pipefail
hosts=("$@")
[[ ${#hosts[@]} -gt 0 ]] || hosts=(build-bench/host/keylight-host)
for i in "${!hosts[@]}"; do hosts[i]="$(realpath "${hosts[i]}")"; done

if [[ -z "${KEYLIGHT_BENCH_INSIDE:-}" ]]; then
    export KEYLIGHT_BENCH_INSIDE=1
    exec xvfb-run -a -s "-screen 0 1366x768x24" dbus-run-session -- "$0" "${hosts[@]}"
fi

work="$(mktemp -d)"
pids=()
cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    rm -rf "$work"
}
trap cleanup EXIT
export XDG_CONFIG_HOME="$work/config" HOME="$work"
unset QT_QPA_PLATFORM

openbox > /dev/null 2>&1 & pids+=($!)
sleep 1
trayer --edge top --align right --widthtype pixel --width 60 > /dev/null 2>&1 & pids+=($!)
sleep 1

call() {
    gdbus call --session --dest org.keylight.KeyLight --object-path /org/keylight/KeyLight \
        --method "org.keylight.KeyLight1.$1" "${@:2}" > /dev/null
}
private_kb() { awk '/^Private_Dirty/ { print $2 }' "/proc/$1/smaps_rollup"; }
# Voluntary and involuntary context switches of every thread of the process.
wakeups() {
    cat /proc/"$1"/task/*/status | awk '/ctxt_switches/ { n += $2 } END { print n }'
}
settle() { sleep 3; }
# The first close shows a bubble in the tray for a while; its timer is not the host idling.
bubble_end() { sleep 12; }

measure() {
    local host="$1" store="$work/store-$2"
    # A fresh configuration each time: the tray's first-close bubble, no autostart.
    export XDG_CONFIG_HOME="$work/config-$2"
    "$host" --store "$store" --minimized > "$work/host.log" 2>&1 & local host_pid=$!
    pids+=("$host_pid")
    for _ in $(seq 50); do call Profile 2> /dev/null && break; sleep 0.2; done
    call SetEffect STATIC
    settle
    local minimized=$(private_kb "$host_pid")

    call ShowWindow
    settle
    local shown=$(private_kb "$host_pid")
    [[ -n "$(wmctrl -l | grep KeyLight)" ]] || { echo "no window was shown" >&2; exit 1; }

    wmctrl -c KeyLight
    settle
    local released=$(private_kb "$host_pid")
    [[ -z "$(wmctrl -l | grep KeyLight || true)" ]] || { echo "the window stayed" >&2; exit 1; }

    bubble_end
    local before=$(wakeups "$host_pid")
    sleep 10
    local after=$(wakeups "$host_pid")

    printf '%s\n' "$host"
    printf 'Private_Dirty: minimized %d kB, window shown %d kB, closed to the tray %d kB\n' \
        "$minimized" "$shown" "$released"
    printf 'context switches in 10 s with the window released: %d\n' $((after - before))
    kill "$host_pid"
    wait "$host_pid" 2> /dev/null || true
}

for i in "${!hosts[@]}"; do measure "${hosts[i]}" "$i"; done
