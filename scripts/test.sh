#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds and runs every test: the full build with warnings as errors, the
# Qt-free layers again under AddressSanitizer and UndefinedBehaviorSanitizer,
# the sequencer under ThreadSanitizer, and each fuzz target for a bounded time.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh --tests
jobs=$(nproc)
export QT_QPA_PLATFORM=offscreen

step() { printf '\n=== %s ===\n' "$*"; }

step "Format check"
find src tests bench fuzz \( -name '*.cpp' -o -name '*.h' \) -print0 |
  xargs -0 clang-format --dry-run -Werror
# Every source file of ours names its licence in its first line.
bash scripts/add-spdx.sh --check

step "Sanitizer build (Qt-free layers)"
cmake -S . -B build-asan -G Ninja -DSORVEL_GUI=OFF -DSORVEL_SANITIZE=ON -DSORVEL_WERROR=ON \
  -DCMAKE_BUILD_TYPE=Debug >/dev/null
cmake --build build-asan -j"$jobs"
ctest --test-dir build-asan --output-on-failure -j"$jobs"

if [[ -f tests/playback/CMakeLists.txt ]]; then
  step "ThreadSanitizer build (playback engine)"
  cmake -S . -B build-tsan -G Ninja -DSORVEL_GUI=OFF -DSORVEL_TSAN=ON -DSORVEL_WERROR=ON \
    -DSORVEL_BENCH=OFF -DCMAKE_BUILD_TYPE=Debug >/dev/null
  cmake --build build-tsan -j"$jobs" --target playback_tests
  # FluidSynth's OpenMP runtime is not instrumented: its reports are suppressed.
  TSAN_OPTIONS="suppressions=$PWD/tests/playback/tsan.supp halt_on_error=1" \
    ./build-tsan/tests/playback/playback_tests --gtest_brief=1
fi

step "Fuzz targets"
bash scripts/run-fuzzers.sh "${FUZZ_SECONDS:-20}"

step "Full build and tests"
cmake -S . -B build -G Ninja -DSORVEL_WERROR=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$jobs"
ctest --test-dir build --output-on-failure -j"$jobs"
