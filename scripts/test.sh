#!/usr/bin/env bash
# Builds everything and runs every test; ends with CTest's summary.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKESTRAVON_TESTS=ON >/dev/null
cmake --build build
# Under a comma-decimal locale, so that a number written or read with the user's locale
# instead of a fixed format shows up as a failure.
cd build
LC_ALL=de_DE.UTF-8 LANG=de_DE.UTF-8 QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j2
