# Shared by the bench/run_*.sh scripts (sourced, not run): builds a benchmark program in a release
# build-bench/ and runs it offscreen, with its fake BMS or boot loader in a process of its own.

# build_bench TARGET: configures and builds build-bench/ with TARGET, then enters its bin/.
build_bench() {
    cd "$(dirname "${BASH_SOURCE[0]}")/.."
    cmake -S . -B build-bench -DCMAKE_BUILD_TYPE=Release -DCELLWICK_BUILD_TESTS=ON -DCELLWICK_BUILD_BENCH=ON >/dev/null
    cmake --build build-bench -j2 --target "$1" >/dev/null
    cd build-bench/bin
    export QT_QPA_PLATFORM=offscreen
    export QT_LOGGING_RULES='qt.qpa.*=false'
}

# start_fake PROGRAM [ARGS...]: starts "PROGRAM --fake <file> ARGS" in the background, waits until it
# has written its pseudo-terminal's path into that file, and sets $fake_port to the path and $work to
# a temporary folder that is removed, and the fake stopped, when the script ends.
start_fake() {
    local program="$1"
    shift
    # One work folder for the script, however many fakes it starts in turn.
    if [ -z "${work:-}" ]; then
        work="$(mktemp -d)"
        trap '[ -n "$fake_pid" ] && kill "$fake_pid" 2>/dev/null || true; rm -rf "$work"' EXIT
    fi
    fake_pid=""
    rm -f "$work/port"
    "$program" --fake "$work/port" "$@" &
    fake_pid=$!
    for _ in $(seq 100); do
        [ -s "$work/port" ] && break
        sleep 0.05
    done
    [ -s "$work/port" ] || { echo "the fake did not start" >&2; exit 1; }
    fake_port="$(cat "$work/port")"
}

# stop_fake: stops the fake that start_fake started, so that another can start.
stop_fake() {
    if [ -n "${fake_pid:-}" ]; then
        kill "$fake_pid" 2>/dev/null || true
        wait "$fake_pid" 2>/dev/null || true
        fake_pid=""
    fi
}
