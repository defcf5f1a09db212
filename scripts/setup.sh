#!/usr/bin/env bash
# Installs the Debian packages the terminal, its tests and the demo shop need, when missing.
set -euo pipefail

PACKAGES=(
  build-essential cmake pkg-config ca-certificates
  qt6-base-dev qt6-base-dev-tools libgl-dev
  libcurl4-openssl-dev libcpp-httplib-dev libssl-dev openssl libsqlite3-dev libsimdjson-dev util-linux
  libgtest-dev libgmock-dev googletest libbenchmark-dev
  fonts-nanum fonts-nanum-extra fontconfig
  fonts-wqy-microhei fonts-vlgothic  # the Chinese and Japanese customer texts
  qt6-l10n-tools qt6-tools-dev  # lupdate and lrelease for the translations
  xvfb xauth x11-utils imagemagick
  libsystemd-dev systemd
  mmdebstrap debian-archive-keyring  # the Debian 12 root that scripts/test --system runs systemd in
  cage xwayland qt6-wayland grim
  dpkg-dev file
  ccache  # rebuilds of an unchanged file come from the cache
  qt6-speech-dev qt6-declarative-dev qt6-speech-speechd-plugin speech-dispatcher speech-dispatcher-espeak-ng
  espeak-ng
  clang libfuzzer-14-dev
  kakasi  # the Japanese voice reads kana: kanji are given to it in kana
  prometheus  # its promtool checks the health metrics file against the text format
)

missing=()
for p in "${PACKAGES[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  SUDO=""
  [ "$(id -u)" -ne 0 ] && SUDO="sudo"
  $SUDO apt-get update -q
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -q --no-install-recommends "${missing[@]}"
fi
