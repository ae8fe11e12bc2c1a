#!/usr/bin/env bash
# Installs the Debian 12 packages that building, running and testing need, if missing,
# and the ones named as arguments (what a single script needs besides).
set -euo pipefail
PACKAGES=(
  build-essential cmake ninja-build pkg-config git
  qt6-base-dev qt6-base-dev-tools libqt6network6 libqt6test6 libgl-dev
  qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
  zlib1g-dev libzip-dev libphonenumber-dev libprotobuf-dev
  libssl-dev openssl ca-certificates
  xvfb xauth openbox libxcb1-dev locales python3 python3-phonenumbers python3-vobject
  clang libclang-rt-14-dev libbenchmark-dev
  fonts-dejavu-core desktop-file-utils time
  dpkg-dev file lintian appstream man-db bash-completion
  "$@"
)
missing=()
for p in "${PACKAGES[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  SUDO=""
  [ "$(id -u)" -eq 0 ] || SUDO="sudo"
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
# A comma-decimal locale: the tests run under it to catch locale-dependent number formats.
if ! locale -a 2>/dev/null | grep -qi '^de_DE\.utf-\?8$'; then
  SUDO=""
  [ "$(id -u)" -eq 0 ] || SUDO="sudo"
  $SUDO sed -i 's/^# *de_DE.UTF-8 UTF-8/de_DE.UTF-8 UTF-8/' /etc/locale.gen
  grep -q '^de_DE.UTF-8 UTF-8' /etc/locale.gen || echo 'de_DE.UTF-8 UTF-8' | $SUDO tee -a /etc/locale.gen >/dev/null
  $SUDO locale-gen >/dev/null
fi
