#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# How far the play cursor is from the sound: starts a private PulseAudio
# daemon with a null sink, runs the cursor probe (a row of notes played
# through the built-in synthesizer, the sink's monitor recorded next to the
# cursor's moves) RUNS times, and prints each run's median lag of the cursor
# behind each note's onset (negative: the cursor came first) and the median
# of those medians.
#   cursor_lag.sh PROBE_BINARY [RUNS=5] [NOTES=12]
# Needs: pulseaudio, the FluidR3 (or a default) General MIDI SoundFont.
set -u
probe=$(readlink -f "$1"); runs=${2:-5}; notes=${3:-12}
work=$(mktemp -d /tmp/cursorlag.XXXXXX)
mkdir -p "$work/xdg" && chmod 700 "$work/xdg"
cat > "$work/null.pa" <<PA
load-module module-native-protocol-unix auth-anonymous=1 socket=$work/native
load-module module-null-sink sink_name=lag
set-default-sink lag
PA
export XDG_RUNTIME_DIR=$work/xdg PULSE_SERVER=unix:$work/native QT_QPA_PLATFORM=offscreen
pulseaudio -n -F "$work/null.pa" --daemonize=no --exit-idle-time=-1 \
  --log-target=file:"$work/pulse.log" >/dev/null 2>&1 & papid=$!
trap 'kill $papid 2>/dev/null; wait 2>/dev/null' EXIT
for _ in $(seq 1 50); do [ -S "$work/native" ] && break; sleep 0.1; done
[ -S "$work/native" ] || { echo "no PulseAudio daemon"; exit 2; }

medians=()
for i in $(seq 1 "$runs"); do
  out=$("$probe" "$notes" 2>"$work/run$i.err")
  rc=$?
  echo "$out" > "$work/run$i.out"
  if [ $rc -ne 0 ]; then echo "run $i failed: $(tail -1 "$work/run$i.err")"; continue; fi
  m=$(echo "$out" | sed -n 's/^median \([-+0-9.]*\) ms$/\1/p')
  echo "run $i: median $m ms (notes: $(echo "$out" | grep -c '^note'))"
  medians+=("$m")
done
[ ${#medians[@]} -gt 0 ] || { echo "no run succeeded; files in $work"; exit 1; }
printf '%s\n' "${medians[@]}" | sort -g | awk '{v[NR]=$1} END {
  m = NR % 2 ? v[(NR+1)/2] : (v[NR/2] + v[NR/2+1]) / 2
  printf "median of %d runs: %+.1f ms\n", NR, m }'
echo "files in $work"
