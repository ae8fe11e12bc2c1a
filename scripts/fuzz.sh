#!/usr/bin/env bash
# Builds the fuzz targets with clang (libFuzzer, ASan, UBSan) and runs each of them for a
# bounded time on its seed corpus. Usage: scripts/fuzz.sh [seconds per target] [target...]
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
SECONDS_EACH=${1:-60}
shift || true
CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DKESTRAVON_FUZZ=ON -DKESTRAVON_TESTS=OFF >/dev/null
cmake --build build-fuzz
targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
  for f in fuzz/fuzz_*.cpp; do targets+=("$(basename "${f%.cpp}")"); done
fi
status=0
for t in "${targets[@]}"; do
  work="build-fuzz/corpus/$t"
  mkdir -p "$work"
  echo "== $t (${SECONDS_EACH}s)"
  # Findings are written to build-fuzz/findings/; new corpus entries stay in build-fuzz.
  mkdir -p build-fuzz/findings
  if ! ASAN_OPTIONS=detect_leaks=1 QT_QPA_PLATFORM=offscreen "build-fuzz/fuzz/$t" \
      -max_total_time="$SECONDS_EACH" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
      -artifact_prefix="build-fuzz/findings/$t-" "$work" "fuzz/corpus/$t" 2>&1 | tail -n 12; then
    status=1
  fi
  [ "${PIPESTATUS[0]}" -eq 0 ] || status=1
done
exit $status
