// SPDX-License-Identifier: GPL-3.0-or-later
#include "listen/hearsamples.h"

#include <algorithm>
#include <utility>

namespace sorvel::listen {

HeardMelody RefuseHearing(UserText* error, UserText why) {
    if (error) *error = std::move(why);
    return HeardMelody();
}

UserText HearingCancelled() {
    return UserText(SORVEL_TEXT("sorvel::listen", "聞き取りを中止しました。"));
}

HeardMelody HearSamples(const float* samples, std::size_t count, int rate,
                        const ListenProgress& progress, UserText* error, PitchTrack* frames) {
    if (rate <= 0) count = 0;
    AudioListener listener(std::max(rate, 1), kFileLagFrames);
    AudioLevel level;
    for (std::size_t at = 0; at < count; at += kHearingBlockFrames) {
        const std::size_t n = std::min(kHearingBlockFrames, count - at);
        level.Add(samples + at, n);
        listener.Push(samples + at, n);
        if (!progress.Report(static_cast<double>(at + n) / count * kHearingReadShare))
            return RefuseHearing(error, HearingCancelled());
    }
    return FinishHearing(listener, level, static_cast<std::int64_t>(count), std::max(rate, 1),
                         progress, error, frames);
}

HeardMelody FinishHearing(AudioListener& listener, const AudioLevel& level, std::int64_t frames,
                          int rate, const ListenProgress& progress, UserText* error,
                          PitchTrack* track) {
    const double seconds = static_cast<double>(frames) / rate;
    UserText problem = RecordingProblem(level, seconds);
    if (!problem.empty()) return RefuseHearing(error, std::move(problem));
    listener.Finish();
    HeardMelody melody = listener.Melody();
    melody.peakDb = level.PeakDb();
    melody.clippedSamples = static_cast<int>(std::min<std::int64_t>(level.Clipped(), INT32_MAX));
    if (melody.notes.empty())
        return RefuseHearing(
            error, UserText(SORVEL_TEXT("sorvel::listen", "録音から音符を聞き取れませんでした。")));
    if (!progress.Report(1.0)) return RefuseHearing(error, HearingCancelled());
    if (track) *track = listener.Frames();
    return melody;
}

}  // namespace sorvel::listen
