#!/usr/bin/env bash
# Benchmark of the main window against the fake BMS at 115200 baud, offscreen.
# Builds a release with the bench program in build-bench/ and prints its measurements:
#   window_shown_ms       process start to the first paint of the main window   (target < 500)
#   connect_to_live_ms    Connect press to the first live data shown
#   poll_cpu_percent      CPU of the program during steady polling, % of one core (target < 0.5)
#   peak_rss_mb           peak resident memory                                   (target < 80)
# Usage: bench/run_bench.sh [poll seconds, default 60]
set -euo pipefail
cd "$(dirname "$0")/.."
poll_seconds="${1:-60}"
build=build-bench

cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release -DCELLWICK_BUILD_TESTS=ON -DCELLWICK_BUILD_BENCH=ON >/dev/null
cmake --build "$build" -j3 --target cellwick_bench >/dev/null

cd "$build/bin"
export QT_QPA_PLATFORM=offscreen
export QT_LOGGING_RULES='qt.qpa.*=false'
work="$(mktemp -d)"
fake_pid=""
cleanup() {
    [ -n "$fake_pid" ] && kill "$fake_pid" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

# The fake BMS runs in a process of its own, so its work is not counted.
./cellwick_bench --fake "$work/port" &
fake_pid=$!
for _ in $(seq 100); do
    [ -s "$work/port" ] && break
    sleep 0.05
done
[ -s "$work/port" ] || { echo "the fake BMS did not start" >&2; exit 1; }
port="$(cat "$work/port")"

CELLWICK_BENCH_T0_NS="$(date +%s%N)" ./cellwick_bench --app "$port" --poll-seconds "$poll_seconds" 2>"$work/debug.txt" \
    || { cat "$work/debug.txt" >&2; exit 1; }
