#!/usr/bin/env bash
# Builds everything and runs every test twice: a normal build, then the same suite built
# with AddressSanitizer and UndefinedBehaviorSanitizer. Ends with CTest's summary.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
# Under a comma-decimal locale, so that a number written or read with the user's locale
# instead of a fixed format shows up as a failure.
export LC_ALL=de_DE.UTF-8 LANG=de_DE.UTF-8 QT_QPA_PLATFORM=offscreen

echo "== sanitizer build (AddressSanitizer, UndefinedBehaviorSanitizer)"
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DKESTRAVON_SANITIZE=ON -DKESTRAVON_TESTS=ON >/dev/null
cmake --build build-asan
(cd build-asan && ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
  LSAN_OPTIONS=suppressions="$PWD/../scripts/lsan.supp":print_suppressions=0 \
  UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  ctest --output-on-failure -j2)

echo "== normal build"
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKESTRAVON_TESTS=ON >/dev/null
cmake --build build
cd build
ctest --output-on-failure -j2
