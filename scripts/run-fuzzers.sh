#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the libFuzzer targets with clang and runs each for a bounded time
# (seconds, default 20) on a copy of its seed corpus.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-20}
CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DSORVEL_GUI=OFF -DSORVEL_FUZZ=ON \
  -DSORVEL_BENCH=OFF -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build-fuzz -j"$(nproc)" >/dev/null
found=0
for target in build-fuzz/fuzz/*/fuzz_*; do
  [[ -x "$target" ]] || continue
  found=1
  name=$(basename "$target")
  seeds="fuzz/$(basename "$(dirname "$target")")/corpus"
  work="build-fuzz/corpus-$name"
  mkdir -p "$work"
  [[ -d "$seeds" ]] && cp -n "$seeds"/* "$work"/ 2>/dev/null || true
  echo "fuzzing $name for ${seconds}s"
  "$target" -max_total_time="$seconds" -rss_limit_mb=2048 -max_len=65536 \
    -print_final_stats=0 "$work" 2>"build-fuzz/$name.log" || {
      tail -40 "build-fuzz/$name.log"
      echo "$name found a failure"
      exit 1
    }
done
[[ $found == 1 ]] || echo "no fuzz targets built"
