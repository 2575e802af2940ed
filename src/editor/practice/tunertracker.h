// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Follows the microphone for the tuner: keeps the last moments of sound and
// reads the tone now, precise over a steady tone yet quick after a change.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "listen/audioresampler.h"
#include "listen/tuner.h"

namespace sorvel {

class TunerTracker {
public:
    // The rate the sound is read at: enough for the erhu's highest notes and
    // their first harmonics, light enough to read forty times a second.
    static constexpr int kRate = 16000;

    TunerTracker(int inputRate, double a4Hz);

    void SetReference(double a4Hz) { a4Hz_ = a4Hz; }
    double Reference() const { return a4Hz_; }

    // Takes the next mono samples at the input rate.
    void Push(const float* samples, std::size_t count);
    // The tone of the last moments. It reads the last 50 ms first: without
    // a clear pitch there, there is no reading, whatever came before. While
    // the tone holds, it reads the whole tone up to 0.3 s back (a cent on a
    // steady tone, the centre of vibrato); a move away from a steady tone,
    // or by more than half a semitone, starts the tone again there, and a
    // tone's first 100 ms show the quick readings.
    listen::TunerReading Read();

private:
    bool Changed(double pitch) const;

    listen::AudioResampler resampler_;
    double a4Hz_;
    std::vector<float> recent_;    // the last samples at kRate
    std::int64_t received_ = 0;    // samples at kRate so far
    std::int64_t toneStart_ = -1;  // where the tone read now began; -1: none
    double shown_ = 0;             // the last reading, in cents above MIDI 0
    std::vector<double> history_;  // the tone's last quick readings, in cents
};

}  // namespace sorvel
