#!/usr/bin/env bash
# Builds the program and starts it. Arguments are passed to the program.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build
if [ -x build/src/app/kestravon ]; then
  exec build/src/app/kestravon "$@"
else
  exec build/src/cli/kestravon-cli "$@"
fi
