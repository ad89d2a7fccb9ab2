#!/usr/bin/env bash
# Installs what is missing, builds a release and starts Cellwick.
set -euo pipefail
cd "$(dirname "$0")"
./scripts/install-deps.sh
cmake -S . -B build-release -DCMAKE_BUILD_TYPE=Release
cmake --build build-release -j"$(nproc)"
cd build-release/bin
exec ./cellwick "$@"
