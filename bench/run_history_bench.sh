#!/usr/bin/env bash
# Benchmark of a history reading, offscreen: the record page reads the stored records of the fake BMS
# at 115200 baud, the fake (a process of its own) sending its replies at the line rate. Builds a release
# in build-bench/ and prints its measurements:
#   records, requests                        rows shown, history requests sent
#   reading_ms, records_per_second           Read press to the end of the reading
#   floor_cycle_ms                           line time of one request and one reply plus the receive silence
#   cycle_ms, cycle_to_floor_ratio           reading time per request, and its ratio to the floor (target 1.05)
#   request_to_store_ms, page_latency_ms     where a cycle's time goes
# Usage: bench/run_history_bench.sh [records, default 500]
set -euo pipefail
cd "$(dirname "$0")/.."
build=build-bench
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release -DCELLWICK_BUILD_TESTS=ON -DCELLWICK_BUILD_BENCH=ON >/dev/null
cmake --build "$build" -j2 --target cellwick_history_bench >/dev/null
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

./cellwick_history_bench --fake "$work/port" "${1:-500}" &
fake_pid=$!
for _ in $(seq 100); do
    [ -s "$work/port" ] && break
    sleep 0.05
done
[ -s "$work/port" ] || { echo "the fake BMS did not start" >&2; exit 1; }
./cellwick_history_bench --app "$(cat "$work/port")" 2>"$work/debug.txt" || { cat "$work/debug.txt" >&2; exit 1; }
