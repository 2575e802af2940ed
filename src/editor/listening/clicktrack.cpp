// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/listening/clicktrack.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "base/arith.h"

namespace sorvel {
namespace {

constexpr double kClickSeconds = 0.03;
constexpr double kCountInHz = 1760;  // the count-in sounds higher than the metronome
constexpr double kMetronomeHz = 1320;
constexpr double kLevel = 0.5 * 32767;
constexpr qint64 kChunkBytes = 4096;

}  // namespace

std::int64_t ClickPlan::CountInFrames() const {
    if (tempo <= 0) return 0;
    return RoundHalfEven(countInBeats * 60.0 / tempo * rate);
}

ClickTrack::ClickTrack(ClickPlan plan, QObject* parent) : QIODevice(parent), plan_(plan) {
    plan_.tempo = std::max(plan_.tempo, 1.0);
    plan_.rate = std::max(plan_.rate, 1);
}

void ClickTrack::Fill(std::int16_t* out, std::int64_t frames) {
    const double beatFrames = 60.0 / plan_.tempo * plan_.rate;
    const double clickFrames = kClickSeconds * plan_.rate;
    for (std::int64_t i = 0; i < frames; ++i, ++position_) {
        const auto beat = static_cast<std::int64_t>(position_ / beatFrames);
        const double into = position_ - beat * beatFrames;
        const bool countIn = beat < plan_.countInBeats;
        double v = 0;
        if (into < clickFrames && (countIn || plan_.metronome)) {
            const double hz = countIn ? kCountInHz : kMetronomeHz;
            const double t = into / plan_.rate;
            v = kLevel * std::exp(-t / (kClickSeconds / 4)) *
                std::sin(2 * std::numbers::pi * hz * t);
        }
        out[i] = static_cast<std::int16_t>(RoundHalfEven(v));
    }
}

qint64 ClickTrack::bytesAvailable() const {
    return kChunkBytes + QIODevice::bytesAvailable();
}

qint64 ClickTrack::readData(char* data, qint64 maxSize) {
    const std::int64_t frames = std::min(maxSize, kChunkBytes) / 2;
    Fill(reinterpret_cast<std::int16_t*>(data), frames);
    return frames * 2;
}

}  // namespace sorvel
