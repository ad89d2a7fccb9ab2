#!/usr/bin/env bash
# Benchmark of a history reading, offscreen: the record page reads the stored records of the fake BMS
# at 115200 baud, the fake (a process of its own) sending its replies at the line rate. Builds a release
# in build-bench/ and prints its measurements:
#   records, requests                        rows shown, history requests sent
#   reading_ms, records_per_second           Read press to the end of the reading
#   floor_cycle_ms                           line time of one request and one reply plus the receive silence
#   cycle_ms, cycle_to_floor_ratio           reading time per request, and its ratio to the floor (target 1.2)
#   request_to_store_ms, page_latency_ms     where a cycle's time goes: request to record stored,
#   request_to_last_byte_ms                  and stored to the next request; the first split into
#   last_byte_to_store_ms                    the line time of request and reply, and the receive silence
#   first_500_ms, last_500_ms, last_to_first_ratio   from 1000 records on: the row cost as the table grows (target 1.1)
# and then, from two more readings of 100 records, one clean and one with the first reply to every
# 10th record damaged (bad CRC):
#   clean_100_ms, damaged_100_ms             the two reading times
#   damaged_replies                          replies sent damaged (10)
#   ms_per_damaged_reply                     the time each damaged reply adds (target at most 2000)
# Usage: bench/run_history_bench.sh [records, default 500]
set -euo pipefail
source "$(dirname "$0")/benchlib.sh"
build_bench cellwick_history_bench
start_fake ./cellwick_history_bench "${1:-500}"
./cellwick_history_bench --app "$fake_port" 2>"$work/debug.txt" || { cat "$work/debug.txt" >&2; exit 1; }

# Two readings of 100 records, the second with the first reply to every 10th record damaged.
results="$work/results.txt"
: >"$results"
for damage in 0 10; do
    stop_fake
    start_fake ./cellwick_history_bench 100 "$damage"
    ./cellwick_history_bench --app "$fake_port" 2>"$work/debug.txt" >"$work/out.txt" \
        || { cat "$work/debug.txt" >&2; exit 1; }
    awk -v d="$damage" '$1 == "reading_ms" { print d, $2 }' "$work/out.txt" >>"$results"
done
awk '$1 == 0 { c = $2 } $1 == 10 { d = $2 }
     END { printf "clean_100_ms %.2f\ndamaged_100_ms %.2f\ndamaged_replies 10\nms_per_damaged_reply %.2f\n", c, d, (d - c) / 10 }' \
    "$results"
