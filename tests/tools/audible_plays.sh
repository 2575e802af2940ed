#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Checks by ear, through a real sound server, that the editor's play and
# tuning tone are heard every time, also after the audio stream closed for
# silence. Starts a private PulseAudio daemon with a null sink and a virtual X
# display, runs the editor with the real synthesizer on a copy of a book,
# presses P after an idle pause of 1-10 s (then P again to stop), records the
# sink's monitor around each play and counts the plays that made sound; then
# sounds the tuning tone (Tools > Tuning, the inner string) the same way.
#   audible_plays.sh SORVEL_BINARY BOOK.svl [PLAYS=20] [TUNINGS=5]
# Needs: pulseaudio, pulseaudio-utils (parec), xvfb, xdotool, python3.
# Prints one line a try and a summary; exits 1 unless every try was heard.
set -u
binary=$(readlink -f "$1"); book=$(readlink -f "$2")
plays=${3:-20}; tunings=${4:-5}
work=$(mktemp -d /tmp/audible.XXXXXX)
mkdir -p "$work/xdg" "$work/app" && chmod 700 "$work/xdg"
cp "$binary" "$work/app/sorvel" && cp "$book" "$work/book.svl"
# The program's settings beside its copy: device 0 is the synthesizer.
printf '[Midi]\r\nDeviceID=0\r\n' > "$work/app/sorvelini"

cat > "$work/null.pa" <<EOF
load-module module-native-protocol-unix auth-anonymous=1 socket=$work/native
load-module module-null-sink sink_name=audible
set-default-sink audible
EOF
export XDG_RUNTIME_DIR=$work/xdg PULSE_SERVER=unix:$work/native
pulseaudio -n -F "$work/null.pa" --daemonize=no --exit-idle-time=-1 \
  --log-target=file:"$work/pulse.log" >/dev/null 2>&1 & papid=$!
d=:$(( (RANDOM % 400) + 500 ))
Xvfb $d -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 & xpid=$!
cleanup() {
  kill ${recpid:-} ${apid:-} 2>/dev/null; sleep 0.5
  kill $xpid $papid 2>/dev/null; wait 2>/dev/null
}
trap cleanup EXIT
sleep 2
pactl info >/dev/null || { echo "no PulseAudio daemon"; exit 2; }
export DISPLAY=$d
(cd "$work" && exec ./app/sorvel book.svl >"$work/sorvel.log" 2>&1) & apid=$!
sleep 12  # the window, then the SoundFont loading in the background

main=$(xdotool search --onlyvisible --name Sorvel | head -1)
[[ -n $main ]] || { echo "the editor's window did not show"; exit 2; }
# Without a window manager the focus does not come back to the main window
# after a dialog closed: every key goes to it explicitly.
key() { xdotool windowfocus --sync "$main"; xdotool key --clearmodifiers "$@"; }
now() { date +%s.%N; }
# One recording of the sink's monitor for the whole session, with the start
# and end of every try. The recording asks for no latency of its own: a short
# one would make the null sink run at that pace, which hides a stream that is
# slow to get its first request; so its data comes in blocks of up to 2 s, and
# the analysis finds the recording's offset from the sounds themselves.
parec -d audible.monitor --raw --format=s16le --channels=2 --rate=44100 \
  > "$work/monitor.raw" & recpid=$!
began=$(now)
sleep 1
: > "$work/tries"
for i in $(seq 1 "$plays"); do
  idle=$(( (RANDOM % 10) + 1 ))
  sleep $idle
  at=$(now); key p; sleep 4; key p
  echo "play $i $idle $at $(now)" >> "$work/tries"
  sleep 0.5
done
for i in $(seq 1 "$tunings"); do
  idle=$(( (RANDOM % 10) + 1 ))
  sleep $idle
  # Tools menu, Tuning; the inner string's box has the focus.
  key alt+t; sleep 0.5; xdotool key t; sleep 0.5
  at=$(now); xdotool key space; sleep 3; xdotool key space
  echo "tuning $i $idle $at $(now)" >> "$work/tries"
  sleep 0.3; xdotool key Escape; sleep 0.5
done
sleep 3
kill $recpid; wait $recpid 2>/dev/null; recpid=
echo "files in $work"
/usr/bin/python3 - "$work/monitor.raw" "$began" "$work/tries" <<'EOF'
import sys, numpy as np
s = np.fromfile(sys.argv[1], dtype='<i2').astype(np.float64) / 32768.0
rate, block = 44100, 2205  # 50 ms of one channel
left = s[0::2]
n = len(left) // block
rms = np.sqrt((left[: n * block].reshape(n, block) ** 2).mean(axis=1))
loud = 20 * np.log10(np.maximum(rms, 1e-9)) > -60
began = float(sys.argv[2])
tries = [line.split() for line in open(sys.argv[3])]
spans = [((float(a) - began) / 0.05, (float(b) - began) / 0.05) for *_, a, b in tries]
def blocks(lo, hi):
    return loud[max(int(lo), 0): max(int(hi), 0)]
# Sound comes only from the tries: the offset that puts the most of it inside
# them (each widened by 0.3 s) is the recording's.
offset = max(range(-80, 21), key=lambda c: sum(blocks(a + c - 6, b + c + 6).sum() for a, b in spans))
print(f"recording offset {offset * 0.05:+.2f} s")
heard = {}
for (kind, number, idle, *_), (a, b) in zip(tries, spans):
    window = blocks(a + offset - 6, b + offset + 6)
    seconds = window.sum() * 0.05
    ok = seconds >= 1.0
    total, good = heard.get(kind, (0, 0))
    heard[kind] = (total + 1, good + ok)
    first = f"{np.argmax(window) * 0.05 - 0.3:.2f} s" if window.any() else "-"
    print(f"{kind} {number} after {idle} s idle: {'heard' if ok else 'SILENT'} "
          f"({seconds:.2f} s of sound in {(b - a) * 0.05:.1f} s, first at {first})")
print("; ".join(f"{kind}: {good} of {total} heard" for kind, (total, good) in heard.items()))
sys.exit(0 if all(total == good for total, good in heard.values()) else 1)
EOF
