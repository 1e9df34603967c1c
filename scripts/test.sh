#!/usr/bin/env bash
# Builds and runs every test: the suite in a release build, the suite again under the address and
# undefined-behaviour sanitizers, a short run of each fuzz target, and a short benchmark run.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
jobs=$(nproc)
export QT_QPA_PLATFORM=offscreen

echo "== release build and tests"
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release -DTARIVO_BENCH=ON >/dev/null
cmake --build build/release -j "$jobs"
ctest --test-dir build/release --output-on-failure -j "$jobs" | tee build/release-ctest.log

echo "== sanitizer build and tests"
cmake -S . -B build/sanitize -G Ninja -DCMAKE_BUILD_TYPE=Debug -DTARIVO_SANITIZE=ON >/dev/null
cmake --build build/sanitize -j "$jobs"
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 LSAN_OPTIONS=suppressions="$PWD/tests/lsan.supp" \
    ctest --test-dir build/sanitize --output-on-failure -j "$jobs" | tee build/sanitize-ctest.log

echo "== fuzz targets"
CC=clang CXX=clang++ cmake -S . -B build/fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DTARIVO_GUI=OFF -DTARIVO_TESTS=OFF -DTARIVO_FUZZ=ON >/dev/null
cmake --build build/fuzz -j "$jobs"
# Each run's whole output goes to a log: a passing run shows its last lines, a finding (a failed check,
# a crash, a leak or undefined behaviour, all fatal) shows the whole report and fails the script after
# the remaining targets have run. Crashing inputs land in build/fuzz/artifacts.
mkdir -p build/fuzz/logs build/fuzz/artifacts
failed=()
for target in build/fuzz/fuzz/fuzz_*; do
    [ -f "$target" ] && [ -x "$target" ] || continue
    name=$(basename "$target")
    log="build/fuzz/logs/$name.log"
    mkdir -p "build/fuzz/corpus/$name"
    echo "-- $name"
    if UBSAN_OPTIONS=print_stacktrace=1 "$target" "build/fuzz/corpus/$name" -max_total_time="${FUZZ_SECONDS:-20}" \
        -artifact_prefix="build/fuzz/artifacts/$name-" -print_final_stats=0 >"$log" 2>&1; then
        tail -n 2 "$log"
    else
        status=$?
        cat "$log"
        echo "!! $name failed with exit status $status (log: $log)"
        failed+=("$name")
    fi
done
if ((${#failed[@]})); then
    echo "fuzzing found faults in: ${failed[*]}" >&2
    exit 1
fi

echo "== benchmarks (short)"
for bench in build/release/bench/bench_*; do
    [ -f "$bench" ] && [ -x "$bench" ] || continue
    "$bench" --benchmark_min_time=0.05
done

passed=$(grep -h -o 'out of [0-9]*' build/release-ctest.log build/sanitize-ctest.log | awk '{n += $3} END {print n}')
echo "tests: ${passed} passed, 0 failed"
