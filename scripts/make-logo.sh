#!/usr/bin/env bash
# Draws the maker's logo again into resources/pictures/168.png.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build/release --target make_logo
build/release/resources/make_logo resources/pictures/168.png
