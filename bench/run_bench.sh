#!/usr/bin/env bash
# Benchmark of the main window against the fake BMS at 115200 baud, offscreen.
# Builds a release with the bench program in build-bench/ and prints its measurements:
#   window_shown_ms       process start to the first paint of the main window   (target < 500)
#   connect_to_live_ms    Connect press to the first live data shown
#   poll_cpu_percent      CPU of the program during steady polling, % of one core (target < 0.5)
#   peak_rss_mb           peak resident memory                                   (target < 80)
# Usage: bench/run_bench.sh [poll seconds, default 60]
set -euo pipefail
source "$(dirname "$0")/benchlib.sh"
poll_seconds="${1:-60}"
build_bench cellwick_bench
# The fake BMS runs in a process of its own, so its work is not counted.
start_fake ./cellwick_bench
CELLWICK_BENCH_T0_NS="$(date +%s%N)" ./cellwick_bench --app "$fake_port" --poll-seconds "$poll_seconds" 2>"$work/debug.txt" \
    || { cat "$work/debug.txt" >&2; exit 1; }
