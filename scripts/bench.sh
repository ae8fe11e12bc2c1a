#!/usr/bin/env bash
# Builds the benchmarks (Release, build-bench/) and runs them; each benchmark ends with
# its RATIO/TIME lines against the floor measured in the same run; then the start-up time
# (scripts/bench-startup.sh).
# Usage: scripts/bench.sh [extra Google Benchmark options, e.g. --benchmark_filter=Csv]
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
cmake -S . -B build-bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DKESTRAVON_BENCH=ON -DKESTRAVON_TESTS=OFF >/dev/null
cmake --build build-bench -j 2 --target bench_store bench_formats bench_gui bench_phones bench_csv
export QT_QPA_PLATFORM=offscreen
for b in bench_store bench_formats bench_gui bench_phones bench_csv; do
  echo "== $b"
  "build-bench/bench/$b" --benchmark_repetitions=5 --benchmark_report_aggregates_only=true \
    --benchmark_color=false "$@"
done
# Start-up: the window against a bare QMainWindow on a virtual display of its own.
cmake --build build-bench -j 2 --target kestravon kestravon-online startup_map startup_bare
echo "== start-up"
BUILD=build-bench scripts/bench-startup.sh 40
