// SPDX-License-Identifier: GPL-3.0-or-later
#include "listen/transcribe.h"

#include "listen/transcribebook.h"
#include "listen/transcribemusic.h"
#include "model/musicbook.h"

namespace sorvel::listen {
namespace {

UserText Cancelled() {
    return UserText(SORVEL_TEXT("sorvel::listen", "譜にするのを中止しました。"));
}

}  // namespace

std::string TitleOfRecording(const std::string& path) {
    const size_t slash = path.find_last_of('/');
    std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    const size_t dot = name.find_last_of('.');
    if (dot != std::string::npos && dot > 0) name.resize(dot);
    return name;
}

TranscribeResult Transcribe(const HeardMelody& melody, const TranscribeOptions& options,
                            const std::string& title, ModelEnv& env,
                            const ListenProgress& progress) {
    TranscribeResult result;
    if (!progress.Report(0)) {
        result.error = Cancelled();
        return result;
    }
    result.music = WriteMusic(melody, options);
    if (result.music.notes.empty()) {
        result.error =
            UserText(SORVEL_TEXT("sorvel::listen", "録音から音符を聞き取れませんでした。"));
        return result;
    }
    if (!progress.Report(0.5)) {
        result.error = Cancelled();
        return result;
    }
    TranscribedBook built = BuildTranscribedBook(result.music, title, env);
    result.book = std::move(built.book);
    result.uncertain = std::move(built.uncertain);
    result.summary = TranscriptionSummary(result.music, melody);
    result.ok = true;
    progress.Report(1);
    return result;
}

}  // namespace sorvel::listen
