#!/usr/bin/env bash
# Installs the Debian packages Plotwright needs to build, test and run.
# Safe to run again: it only calls apt when something is missing.
set -euo pipefail

PACKAGES=(
  build-essential cmake pkg-config clang
  qt6-base-dev qt6-base-dev-tools libqt6svg6-dev
  libxlsxwriter-dev libfreexl-dev libzip-dev libpugixml-dev
  nlohmann-json3-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  xvfb xauth fonts-noto-cjk fonts-wqy-zenhei poppler-utils
  qt6-translations-l10n
  libreoffice-calc-nogui libreoffice-writer-nogui python3-openpyxl
  locales
)

missing=()
for p in "${PACKAGES[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi

if [ ${#missing[@]} -gt 0 ]; then
  echo "setup: installing ${missing[*]}"
  $SUDO apt-get update -q
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -q --no-install-recommends "${missing[@]}"
fi

# The locale tests need a comma-decimal locale to prove number texts ignore it.
if ! locale -a 2>/dev/null | grep -qi '^de_DE\.utf-\?8$'; then
  echo "setup: generating de_DE.UTF-8"
  $SUDO localedef -i de_DE -f UTF-8 de_DE.UTF-8
fi
