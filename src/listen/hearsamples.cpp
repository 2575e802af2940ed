// SPDX-License-Identifier: GPL-3.0-or-later
#include "listen/hearsamples.h"

#include <algorithm>

namespace sorvel::listen {
namespace {

constexpr std::size_t kBlockFrames = 16384;
constexpr double kReadShare = 0.9;  // of the progress; the notes take the rest

HeardMelody Fail(UserText* error, UserText why) {
    if (error) *error = std::move(why);
    return HeardMelody();
}

}  // namespace

UserText HearingCancelled() {
    return UserText(SORVEL_TEXT("sorvel::listen", "聞き取りを中止しました。"));
}

HeardMelody HearSamples(const float* samples, std::size_t count, int rate,
                        const ListenProgress& progress, UserText* error) {
    if (rate <= 0) count = 0;
    AudioListener listener(std::max(rate, 1), kFileLagFrames);
    AudioLevel level;
    for (std::size_t at = 0; at < count; at += kBlockFrames) {
        const std::size_t n = std::min(kBlockFrames, count - at);
        level.Add(samples + at, n);
        listener.Push(samples + at, n);
        if (!progress.Report(static_cast<double>(at + n) / count * kReadShare))
            return Fail(error, HearingCancelled());
    }
    return FinishHearing(listener, level, static_cast<std::int64_t>(count), std::max(rate, 1),
                         progress, error);
}

HeardMelody FinishHearing(AudioListener& listener, const AudioLevel& level, std::int64_t frames,
                          int rate, const ListenProgress& progress, UserText* error) {
    const double seconds = static_cast<double>(frames) / rate;
    UserText problem = RecordingProblem(level, seconds);
    if (!problem.empty()) return Fail(error, std::move(problem));
    listener.Finish();
    HeardMelody melody = listener.Melody();
    melody.peakDb = level.PeakDb();
    melody.clippedSamples = static_cast<int>(std::min<std::int64_t>(level.Clipped(), INT32_MAX));
    if (melody.notes.empty())
        return Fail(
            error, UserText(SORVEL_TEXT("sorvel::listen", "録音から音符を聞き取れませんでした。")));
    if (!progress.Report(1.0)) return Fail(error, HearingCancelled());
    return melody;
}

}  // namespace sorvel::listen
