// SPDX-License-Identifier: GPL-3.0-or-later
#include "listen/hearfile.h"
#include "listen/transcribe.h"
#include "model/musicbook.h"

namespace sorvel::listen {
namespace {

constexpr double kHearingShare = 0.95;  // of the progress: the rest is writing

}  // namespace

TranscribeResult TranscribeFile(const std::string& path, const TranscribeOptions& options,
                                ModelEnv& env, const ListenProgress& progress) {
    TranscribeResult result;
    const ListenProgress hearing{
        [&progress](double f) { return progress.Report(f * kHearingShare); }};
    UserText error;
    const HeardMelody melody = HearFile(path, hearing, &error);
    if (melody.notes.empty()) {
        result.error =
            error.empty()
                ? UserText(SORVEL_TEXT("sorvel::listen", "録音から音符を聞き取れませんでした。"))
                : error;
        return result;
    }
    const ListenProgress writing{
        [&progress](double f) { return progress.Report(kHearingShare + f * (1 - kHearingShare)); }};
    return Transcribe(melody, options, TitleOfRecording(path), env, writing);
}

}  // namespace sorvel::listen
