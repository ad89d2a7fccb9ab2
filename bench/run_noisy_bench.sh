#!/usr/bin/env bash
# Read and Write presses of the OV1 group on the protection page (the Write 7 s after the read),
# against a fake BMS that answers 1.5 s late and damages one reply in ten, offscreen. Builds a release
# with the bench program in build-bench/ and prints how the presses ended:
#   reads, reads_completed, reads_timed_out
#   writes, writes_ok, writes_refused, writes_timed_out
#   link_lost             times the link forgot what was read (target 0: the BMS answers every frame)
#   disconnect_shown_ms   time the status strip showed "BMS disconnect !" (target 0)
# Usage: bench/run_noisy_bench.sh [seconds, default 300] [baud, default 115200]
set -euo pipefail
source "$(dirname "$0")/benchlib.sh"
seconds="${1:-300}"
baud="${2:-115200}"
build_bench cellwick_noisy_bench
start_fake ./cellwick_noisy_bench --baud "$baud"
./cellwick_noisy_bench --app "$fake_port" --baud "$baud" --seconds "$seconds" 2>"$work/debug.txt" \
    || { cat "$work/debug.txt" >&2; exit 1; }
