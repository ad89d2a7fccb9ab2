#!/usr/bin/env bash
# Benchmark of the monitor page, offscreen: appends rows of a 24-cell, 6-sensor record to the shown
# page and writes the log file. Builds a release in build-bench/ and prints its measurements:
#   first_1000_rows_ms_per_row, last_1000_rows_ms_per_row   time per row, page painted each row
#   last_to_first_ratio                                     (target at most 1.5)
#   csv_write_ms, csv_file_mb                               the log file of all rows
#   peak_rss_mb                                             peak resident memory
# Usage: bench/run_moniter_bench.sh [rows, default 20000]
set -euo pipefail
source "$(dirname "$0")/benchlib.sh"
build_bench cellwick_moniter_bench
./cellwick_moniter_bench "${1:-20000}" 2>/dev/null
