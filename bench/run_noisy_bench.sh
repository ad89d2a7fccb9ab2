#!/usr/bin/env bash
# Read and Write presses of the OV1 group on the protection page (the Write 7 s after the read),
# against a fake BMS that answers 1.5 s late and damages one reply in ten, offscreen. Builds a release
# with the bench program in build-bench/ and prints how the presses ended:
#   reads, reads_completed, reads_timed_out
#   writes, writes_ok, writes_refused, writes_timed_out
#   link_lost             times the link forgot what was read (target 0: the BMS answers every frame)
#   disconnect_shown_ms   time the status strip showed "BMS disconnect !" (target 0)
# and how long they took, from the click to the box that ended the press (a press that no box ended
# within 30 s counts as the 30 s waited):
#   read_end_max_ms, write_end_max_ms             the longest read and write press
#   read_timeout_min_ms, read_timeout_max_ms      the shortest and longest of the presses that ended
#   write_timeout_min_ms, write_timeout_max_ms    with "Communication timeout !" (-1 when none did)
# With "own" as third argument every reply to the presses' own commands (0x02, the OV1 read, and 0x03,
# the OV1 write) comes damaged, by turns with a bad CRC and short (but the first read's, so that the page
# may write), the worst case for a press; the replies to the other commands keep the one-in-ten damage.
# Usage: bench/run_noisy_bench.sh [seconds, default 300] [baud, default 115200] [own]
set -euo pipefail
source "$(dirname "$0")/benchlib.sh"
seconds="${1:-300}"
baud="${2:-115200}"
fake_options=()
case "${3:-}" in
    "") ;;
    own) fake_options=(--damage-own) ;;
    *) echo "the third argument is \"own\" or nothing" >&2; exit 2 ;;
esac
build_bench cellwick_noisy_bench
start_fake ./cellwick_noisy_bench --baud "$baud" "${fake_options[@]}"
./cellwick_noisy_bench --app "$fake_port" --baud "$baud" --seconds "$seconds" 2>"$work/debug.txt" \
    || { cat "$work/debug.txt" >&2; exit 1; }
