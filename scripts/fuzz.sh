#!/usr/bin/env bash
# Builds the fuzz targets with clang (libFuzzer, ASan, UBSan) and runs each of them for a
# bounded time on its seed corpus. Usage: scripts/fuzz.sh [seconds per target] [target...]
# Targets run one after the other; the grown corpus stays in build-fuzz/corpus/<target>,
# so a later run goes on where this one stopped. Findings (crash-, leak-, timeout-, oom-
# files) are written to build-fuzz/findings/; build-fuzz/fuzz-time.log keeps one line per
# run: target, seconds, executions, result.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
SECONDS_EACH=${1:-60}
shift || true
CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DKESTRAVON_FUZZ=ON -DKESTRAVON_TESTS=OFF >/dev/null
cmake --build build-fuzz -j 2
targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
  for f in fuzz/fuzz_*.cpp; do targets+=("$(basename "${f%.cpp}")"); done
fi
mkdir -p build-fuzz/findings
status=0
for t in "${targets[@]}"; do
  work="build-fuzz/corpus/$t"
  mkdir -p "$work"
  echo "== $t (${SECONDS_EACH}s)"
  out="build-fuzz/$t.log"
  set +e
  ASAN_OPTIONS=detect_leaks=1 QT_QPA_PLATFORM=offscreen "build-fuzz/fuzz/$t" \
    -max_total_time="$SECONDS_EACH" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
    -artifact_prefix="build-fuzz/findings/$t-" "$work" "fuzz/corpus/$t" >"$out" 2>&1
  rc=$?
  set -e
  tail -n 12 "$out"
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$out" | tail -n 1)
  result="no finding"
  if [ $rc -ne 0 ]; then
    result="FINDING (exit $rc, see $out)"
    status=1
  fi
  echo "$(date -u +%FT%TZ) $t ${SECONDS_EACH}s ${runs:-?} runs: $result" | tee -a build-fuzz/fuzz-time.log
done
exit $status
