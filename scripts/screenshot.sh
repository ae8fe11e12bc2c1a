#!/usr/bin/env bash
# Takes the screenshot of the main window that the AppStream metadata shows: the program,
# built by scripts/run.sh's build, runs on a virtual X display with the sample phonebook;
# the window alone is saved as packaging/screenshots/main-window.png.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh imagemagick xdotool
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build --target kestravon
out=packaging/screenshots/main-window.png
mkdir -p "$(dirname "$out")"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir "$work/card"
cp tests/data/agenda/Agenda.dat "$work/card/"
export LC_ALL=C.UTF-8 LANG=C.UTF-8
unset QT_QPA_PLATFORM
xvfb-run -a -s "-screen 0 1280x800x24" bash -c '
  set -euo pipefail
  program=$PWD/build/src/app/kestravon
  cd "$1"
  "$program" -nocheck Agenda.dat &
  app=$!
  for _ in $(seq 50); do
    id=$(xdotool search --onlyvisible --name "^KESTRAVON - " 2>/dev/null | head -1) && [ -n "$id" ] && break
    sleep 0.2
  done
  [ -n "${id:-}" ] || { echo "the window did not appear" >&2; kill $app; exit 1; }
  sleep 1  # let the lists paint
  import -window "$id" "$OLDPWD/$2"
  kill $app
' _ "$work/card" "$out"
identify "$out"
