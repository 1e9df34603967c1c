#!/usr/bin/env bash
# Builds the program and starts it on the desktop.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake -S . -B build/app -G Ninja -DCMAKE_BUILD_TYPE=Release -DTARIVO_TESTS=OFF >/dev/null
cmake --build build/app --target tarivo
exec build/app/shell/tarivo "$@"
