#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs every Debian package the build, the program and the tests need.
# Idempotent: packages already present are not touched, and apt-get runs only
# when something is missing.
set -euo pipefail

BUILD_PKGS=(cmake g++ ninja-build pkg-config qt6-base-dev qt6-multimedia-dev qt6-l10n-tools libfluidsynth-dev dpkg-dev file
            librtmidi-dev libasound2-dev libpulse-dev libgtest-dev libbenchmark-dev libpugixml-dev libzip-dev
            libsndfile1-dev libfftw3-dev)
RUN_PKGS=(fonts-ipafont-gothic fonts-noto-cjk fluid-soundfont-gm qt6-translations-l10n)
TEST_PKGS=(clang clang-format libclang-rt-14-dev xvfb xauth xdotool imagemagick poppler-utils python3-fonttools
           libxml2-utils desktop-file-utils appstream pulseaudio pulseaudio-utils lintian man-db
           sox libsox-fmt-mp3 fluidsynth python3-numpy python3-mido python3-mir-eval aubio-tools)

want=("${BUILD_PKGS[@]}" "${RUN_PKGS[@]}")
if [[ "${1:-}" == "--tests" ]]; then
  want+=("${TEST_PKGS[@]}")
fi

missing=()
for p in "${want[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  SUDO=""
  if [[ $(id -u) -ne 0 ]]; then SUDO="sudo"; fi
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
