#!/usr/bin/env bash
# Start-up time: the program with -nocheck and a bare QMainWindow started in turn on a
# virtual display of their own (Xvfb with the openbox window manager), timed from the start
# until the window is mapped. Prints each one's median and spread and the ratio to the bare
# window. Builds build-bench/ (Release) unless BUILD names a build folder with the benchmarks.
# Usage: scripts/bench-startup.sh [ROUNDS]   (default 60; environment: BUILD, EXTRA="label program args")
set -euo pipefail
cd "$(dirname "$0")/.."
rounds=${1:-60}
build=${BUILD:-build-bench}
if [ -z "${BUILD:-}" ]; then
  scripts/deps.sh
  cmake -S . -B build-bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DKESTRAVON_BENCH=ON -DKESTRAVON_TESTS=OFF >/dev/null
  cmake --build build-bench -j 2 --target kestravon kestravon-online startup_map startup_bare
fi
work=$(mktemp -d)
trap 'kill $wm $xvfb 2>/dev/null; wait 2>/dev/null; rm -rf "$work"' EXIT
# Both programs with the same empty settings and the same environment.
export XDG_CONFIG_HOME=$work/config XDG_CACHE_HOME=$work/cache HOME=$work
export QT_QPA_PLATFORM=xcb XDG_RUNTIME_DIR=$work/runtime
mkdir -m 0700 "$work/runtime"
unset WAYLAND_DISPLAY
exec 3<> "$work/display"
Xvfb -displayfd 3 -screen 0 1280x900x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
export DISPLAY=:$(head -1 "$work/display")
openbox >/dev/null 2>&1 &
wm=$!
sleep 1
echo "load average: $(cut -d' ' -f1-3 /proc/loadavg)"
extra=()
if [ -n "${EXTRA:-}" ]; then
  read -r -a words <<<"$EXTRA"
  extra=(-- "${words[@]}")
fi
"$build/bench/startup_map" -n "$rounds" -- bare "$build/bench/startup_bare" \
  -- kestravon "$build/src/app/kestravon" -nocheck "${extra[@]}"
echo "load average: $(cut -d' ' -f1-3 /proc/loadavg)"
