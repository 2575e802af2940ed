// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Written notes and synthetic takes of them: heard notes and pitch frames
// with a chosen tempo, detuning, vibrato and silence, for the aligner and
// the check without any audio.
#include <cmath>
#include <numbers>
#include <vector>

#include "listen/pitchunits.h"
#include "practice/heardtake.h"
#include "practice/takealign.h"
#include "practice/writtennotes.h"

namespace sorvel::testing {

// Written notes of a beat each at 0.5 s a beat.
inline std::vector<practice::WrittenNote> Written(const std::vector<int>& midis) {
    std::vector<practice::WrittenNote> out;
    for (std::size_t i = 0; i < midis.size(); ++i) {
        practice::WrittenNote n;
        n.number = static_cast<int>(i) + 1;
        n.midi = midis[i];
        n.beat = static_cast<double>(i);
        n.beats = 1;
        n.onset = 0.5 * static_cast<double>(i);
        n.length = 0.5;
        out.push_back(n);
    }
    return out;
}

// One played note of a synthetic take.
struct Played {
    double pitch;         // fractional MIDI number at A4 = 440
    double seconds;       // how long it sounds
    double vibrato = 0;   // peak cents of a 5.5 Hz vibrato
    double gapAfter = 0;  // silence after it
};

// Heard notes back to back (with their gaps) from 0.2 s on.
inline std::vector<practice::HeardPitch> HeardOf(const std::vector<Played>& played) {
    std::vector<practice::HeardPitch> out;
    double t = 0.2;
    for (const Played& p : played) {
        out.push_back({t, t + p.seconds, p.pitch});
        t += p.seconds + p.gapAfter;
    }
    return out;
}

// The take as the listening library would hand it over: its notes, and
// frames every hop whose pitch is the note's (with its vibrato), unvoiced
// in the gaps.
inline practice::HeardTake TakeOf(const std::vector<Played>& played) {
    practice::HeardTake take;
    const std::vector<practice::HeardPitch> heard = HeardOf(played);
    const double end = heard.back().offset + 0.3;
    std::size_t k = 0;
    for (double t = 0; t < end; t += listen::kHopSeconds) {
        while (k < heard.size() && t >= heard[k].offset) ++k;
        listen::PitchFrame f;
        f.time = t;
        const bool inside = k < heard.size() && t >= heard[k].onset;
        f.voiced = inside;
        f.levelDb = inside ? -20.0f : -80.0f;
        double pitch = k < heard.size() ? played[k].pitch : 69;
        if (inside)
            pitch += played[k].vibrato / 100.0 *
                     std::sin(2 * std::numbers::pi * 5.5 * (t - heard[k].onset));
        f.hz = static_cast<float>(listen::HzOfMidi(pitch));
        take.frames.push_back(f);
    }
    for (const practice::HeardPitch& h : heard) {
        listen::HeardNote note;
        note.onset = h.onset;
        note.offset = h.offset;
        note.midi = static_cast<int>(std::lround(h.pitch));
        note.cents = (h.pitch - note.midi) * 100.0;
        take.melody.notes.push_back(note);
    }
    take.melody.seconds = end;
    return take;
}

}  // namespace sorvel::testing
