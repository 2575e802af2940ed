// SPDX-License-Identifier: GPL-3.0-or-later
#include "listen/audiolevel.h"

#include <cmath>
#include <cstdio>
#include <limits>
#include <string>

namespace sorvel::listen {
namespace {

// The largest value a 16-bit sample reaches, as libsndfile scales it; a
// sample at or beyond it sits at full scale.
constexpr float kFullScale = 32767.0f / 32768.0f;
// Clipping of fewer samples than this share is inaudible and not reported.
constexpr double kClippedShare = 1e-4;

std::string SecondsText(double seconds) {
    char text[32];
    std::snprintf(text, sizeof text, "%.2f", seconds);
    return text;
}

}  // namespace

void AudioLevel::Add(const float* samples, std::size_t count) {
    for (std::size_t i = 0; i < count; ++i) {
        const float a = std::fabs(samples[i]);
        if (!(a <= peak_)) peak_ = std::isfinite(a) ? a : peak_;
        if (a >= kFullScale) ++clipped_;
    }
    samples_ += static_cast<std::int64_t>(count);
}

double AudioLevel::PeakDb() const {
    if (peak_ <= 0) return -std::numeric_limits<double>::infinity();
    return 20.0 * std::log10(peak_);
}

UserText RecordingProblem(const AudioLevel& level, double seconds) {
    if (level.Samples() == 0)
        return UserText(SORVEL_TEXT("sorvel::listen", "録音に音声が入っていません。"));
    if (seconds < kShortestSeconds)
        return UserText(SORVEL_TEXT("sorvel::listen", "録音が短すぎます（%1 秒）。"),
                        {UserText::Plain(SecondsText(seconds))});
    if (level.PeakDb() < kSilentPeakDb)
        return UserText(SORVEL_TEXT("sorvel::listen", "録音は無音です。"));
    if (level.PeakDb() < kQuietPeakDb)
        return UserText(
            SORVEL_TEXT("sorvel::listen",
                        "録音の音が小さすぎます（最大 %1 dB）。録音レベルを上げてください。"),
            {UserText::Number(std::lround(level.PeakDb()))});
    return UserText();
}

UserText ClippingWarning(std::int64_t clippedSamples, std::int64_t samples) {
    if (samples <= 0 || clippedSamples <= kClippedShare * static_cast<double>(samples))
        return UserText();
    return UserText(
        SORVEL_TEXT("sorvel::listen",
                    "録音が音割れしています（%1 サンプル）。音の高さを誤ることがあります。"),
        {UserText::Number(clippedSamples)});
}

}  // namespace sorvel::listen
