#!/usr/bin/env bash
# Builds the Debian package kestravon_<version>_<architecture>.deb in the top folder: a
# Release build of its own (build-package/) with Debian's hardening flags, then CPack's
# DEB generator with the dependencies that dpkg-shlibdeps finds. Install it with
#   apt install ./kestravon_*.deb
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
cppflags=$(dpkg-buildflags --get CPPFLAGS)
cmake -S . -B build-package -G Ninja -DCMAKE_BUILD_TYPE=Release -DKESTRAVON_TESTS=OFF \
  -DCMAKE_C_FLAGS="$(dpkg-buildflags --get CFLAGS) $cppflags" \
  -DCMAKE_CXX_FLAGS="$(dpkg-buildflags --get CXXFLAGS) $cppflags" \
  -DCMAKE_EXE_LINKER_FLAGS="$(dpkg-buildflags --get LDFLAGS)" \
  -DCMAKE_MODULE_LINKER_FLAGS="$(dpkg-buildflags --get LDFLAGS)" >/dev/null
cmake --build build-package
rm -rf build-package/deb
(cd build-package && cpack -G DEB -B "$PWD/deb")
rm -f kestravon_*.deb
mv build-package/deb/kestravon_*.deb .
ls -l kestravon_*.deb
