#!/usr/bin/env bash
# Benchmark of a history reading, offscreen: the record page reads the stored records of the fake BMS
# at 115200 baud, the fake sending its replies at the line rate. Builds a release in build-bench/ and
# prints its measurements:
#   records, requests, rows                  stored records, history requests sent, rows shown
#   reading_ms, records_per_second           Read press to the end of the reading
#   floor_cycle_ms                           line time of one request and one reply plus the receive silence
#   cycle_ms, cycle_to_floor_ratio           reading time per request, and its ratio to the floor (target 1.05)
# Usage: bench/run_history_bench.sh [records, default 500]
set -euo pipefail
cd "$(dirname "$0")/.."
build=build-bench
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release -DCELLWICK_BUILD_TESTS=ON -DCELLWICK_BUILD_BENCH=ON >/dev/null
cmake --build "$build" -j2 --target cellwick_history_bench >/dev/null
cd "$build/bin"
QT_QPA_PLATFORM=offscreen QT_LOGGING_RULES='qt.qpa.*=false' ./cellwick_history_bench "${1:-500}" 2>/dev/null
