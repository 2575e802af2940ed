// SPDX-License-Identifier: GPL-3.0-or-later
#include "playback/conversion/countin.h"

#include <algorithm>

#include "model/note.h"
#include "playback/conversion/playrange.h"

namespace sorvel {
namespace {

// Counted units (quarters, or eighths in eighth-note time) from `start` to the
// end of its bar.
int UnitsToBarEnd(const PlayItems& items, int start, const TimeSignature& signature) {
    long long ticks = 0;
    for (int i = start; i < static_cast<int>(items.size()) && items[i]; ++i) {
        const ItemClass c = items[i]->Class();
        if (c == ItemClass::Note) {
            ticks += items[i]->As<TNote>()->StepTime;
        } else if (c != ItemClass::Beat) {
            break;
        }
    }
    return static_cast<int>(ticks / signature.CountLength());
}

}  // namespace

void WriteCountIn(SequenceWriter& writer, const PlayItems& items, int start, int bars) {
    bars = std::clamp(bars, 0, 1000);
    if (bars == 0) return;
    const TimeSignature signature = SignatureAt(items, start);
    if (signature.beats <= 0) return;
    const int units = UnitsToBarEnd(items, start, signature);
    const int beats = signature.beats * bars - units % signature.beats;
    const int clicks = signature.CompoundUnit() ? beats / 3 : beats;
    const int perBar = signature.CompoundUnit() ? signature.beats / 3 : signature.beats;
    const int step = signature.BeatLength();
    for (int n = 0; n < clicks; ++n) {
        const bool high = perBar <= 0 || n % perBar == 0;
        writer.Click(conv_track::kCountIn, high, step);
        writer.Silence(conv_track::kMelody, step);
        writer.Silence(conv_track::kMetronome, step);
    }
    writer.End(conv_track::kCountIn);
}

}  // namespace sorvel
