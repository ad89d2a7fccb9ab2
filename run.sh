#!/usr/bin/env bash
# Installs what is missing, builds a release and starts Cellwick in the directory
# this script was called from, with the caller's arguments: the file dialogs
# propose that directory and the files the program writes land there, not in the
# build folder. The program finds its translation files beside itself.
set -euo pipefail
caller_dir="$(pwd)"
root="$(cd "$(dirname "$0")" && pwd)"
cd "$root"
./scripts/install-deps.sh
cmake -S . -B build-release -DCMAKE_BUILD_TYPE=Release
cmake --build build-release -j"$(nproc)"
cd "$caller_dir"
exec "$root/build-release/bin/cellwick" "$@"
