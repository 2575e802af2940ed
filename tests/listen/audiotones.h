#pragma once
// Synthetic bowed-string recordings for the listening tests and benchmark (the
// definitions are in audiotones_test.cpp): notes with a sawtooth-like spectrum,
// attack and release, vibrato, glides, a tuning offset and hiss.
#include <cstdint>
#include <string>
#include <vector>

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
};

struct ToneTake {
    std::vector<ToneNote> notes;
    double seconds = 0;  // length of the take (at least past the last note)
    int rate = 44100;
    double tuningCents = 0;  // added to every note
    double hissDb = -120;    // white noise level, dB full scale RMS
    std::uint32_t seed = 1;
};

// Renders the take as mono samples.
std::vector<float> Render(const ToneTake& take);

// A melody of `count` notes a step or a leap apart, each `seconds` long with
// a short gap, starting at `first` (MIDI).
ToneTake Melody(int count, double seconds, int first, double gap = 0.04);

// Writes mono or stereo 16-bit or float WAV for the file tests.
bool WriteWav(const std::string& path, const std::vector<float>& samples, int rate,
              int channels = 1, bool asFloat = false);

}  // namespace sorvel::listen::testing
