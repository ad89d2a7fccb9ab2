#!/usr/bin/env bash
# Benchmark of a 1 MiB firmware download at 115200 baud against the paced fake boot loader, offscreen.
# Builds a release with the bench program in build-bench/ and prints:
#   download_seconds   first handshake written to final frame written
#   floor_seconds      line time of every frame both ways plus the receive silences
#   ratio              download_seconds / floor_seconds   (target <= 1.03)
set -euo pipefail
cd "$(dirname "$0")/.."
build=build-bench

cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release -DCELLWICK_BUILD_TESTS=ON -DCELLWICK_BUILD_BENCH=ON >/dev/null
cmake --build "$build" -j2 --target cellwick_iap_bench >/dev/null

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

# The fake boot loader runs in a process of its own.
./cellwick_iap_bench --fake "$work/port" &
fake_pid=$!
for _ in $(seq 100); do
    [ -s "$work/port" ] && break
    sleep 0.05
done
[ -s "$work/port" ] || { echo "the fake boot loader did not start" >&2; exit 1; }
./cellwick_iap_bench --app "$(cat "$work/port")" 2>"$work/debug.txt" || { tail -20 "$work/debug.txt" >&2; exit 1; }
