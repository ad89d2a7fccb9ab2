#!/usr/bin/env bash
# Benchmark of a 1 MiB firmware download at 115200 baud against the paced fake boot loader, offscreen.
# Builds a release with the bench program in build-bench/ and prints:
#   download_seconds   first handshake written to final frame written
#   floor_seconds      line time of every frame both ways plus the receive silences
#   ratio              download_seconds / floor_seconds   (target <= 1.03)
set -euo pipefail
source "$(dirname "$0")/benchlib.sh"
build_bench cellwick_iap_bench
# The fake boot loader runs in a process of its own.
start_fake ./cellwick_iap_bench
./cellwick_iap_bench --app "$fake_port" 2>"$work/debug.txt" || { tail -20 "$work/debug.txt" >&2; exit 1; }
