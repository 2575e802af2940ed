// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Synthetic bowed-string recordings for the listening tests and benchmark (the
// definitions are in audiotones_test.cpp): notes with a sawtooth-like spectrum,
// attack and release, vibrato with its swell of level, glides, a tuning
// offset, a room and hiss.
#include <cstdint>
#include <string>
#include <vector>

#include "listen/heardmelody.h"

namespace sorvel::listen::testing {

struct ToneNote {
    double onset = 0;  // seconds
    double seconds = 0.5;
    double midi = 69;         // A4 = 69, before the tuning offset
    double vibratoCents = 0;  // depth either side
    double vibratoHz = 5.5;
    double glideFrom = 0;  // a glide from this MIDI number, when not 0
    double glideSeconds = 0.12;
    double amplitude = 0.3;
    double attack = 0.03;   // seconds to full level (bowed strings may speak slowly)
    double release = 0.04;  // seconds to silence after the note's end
    double tremoloDb = 0;   // level swing either side, in step with the vibrato
};

struct ToneTake {
    std::vector<ToneNote> notes;
    double seconds = 0;  // length of the take (at least past the last note)
    int rate = 44100;
    double tuningCents = 0;  // added to every note
    double hissDb = -120;    // white noise level, dB full scale RMS
    double roomSeconds = 0;  // reverberation time of the room (0: dry)
    std::uint32_t seed = 1;
};

// Renders the take as mono samples.
std::vector<float> Render(const ToneTake& take);

// A melody of `count` notes a step or a leap apart, each `seconds` long with
// a short gap, starting at `first` (MIDI).
ToneTake Melody(int count, double seconds, int first, double gap = 0.04);

// What the listening front hears in the take (fed in one block, as a file).
HeardMelody HearTake(const ToneTake& take);

// Writes mono or stereo 16-bit or float WAV for the file tests.
bool WriteWav(const std::string& path, const std::vector<float>& samples, int rate,
              int channels = 1, bool asFloat = false);

}  // namespace sorvel::listen::testing
