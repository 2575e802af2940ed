// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/transcribecommand.h"

#include "app/batchcontext.h"
#include "app/commandline.h"
#include "app/console.h"
#include "listen/transcribe.h"
#include "model/scorefile.h"
#include "model/workspace.h"

namespace sorvel {
namespace {

// The options as transcription takes them; false with `error` set when one
// is malformed.
bool ReadOptions(const BatchCommand& cmd, listen::TranscribeOptions& options, UserText& error) {
    if (!cmd.tempo.empty()) {
        const std::optional<double> tempo = listen::ParseTempo(cmd.tempo);
        if (!tempo) {
            error = UserText(SORVEL_TEXT("sorvel::app",
                                         "--tempo には 20 から 300 までの 1 分間の四分音符の数を"
                                         "指定してください（%1 ではなく）。"),
                             {UserText::Plain(cmd.tempo)});
            return false;
        }
        options.tempo = *tempo;
    }
    if (!cmd.meter.empty()) {
        options.meter = listen::ParseTimeSignature(cmd.meter);
        if (!options.meter) {
            error = UserText(SORVEL_TEXT("sorvel::app",
                                         "--meter には 2/4、3/4、4/4、3/8、6/8 のどれかを"
                                         "指定してください（%1 ではなく）。"),
                             {UserText::Plain(cmd.meter)});
            return false;
        }
    }
    if (!cmd.key.empty()) {
        options.keyFifths = listen::ParseKeyName(cmd.key);
        if (!options.keyFifths) {
            error = UserText(SORVEL_TEXT("sorvel::app",
                                         "--key には長調の主音（C、G、D、F、Bb、F# など）を"
                                         "指定してください（%1 ではなく）。"),
                             {UserText::Plain(cmd.key)});
            return false;
        }
    }
    return true;
}

}  // namespace

bool RunTranscribe(const BatchCommand& cmd, UserText& error) {
    listen::TranscribeOptions options;
    if (!ReadOptions(cmd, options, error)) return false;
    Workspace ws;
    listen::TranscribeResult result = listen::TranscribeFile(cmd.input, options, ws.env);
    if (!result.ok) {
        error = AboutFile(cmd.input, result.error);
        return false;
    }
    ws.book = std::move(result.book);
    const SaveResult saved = SaveScoreFile(*ws.book, cmd.output);
    if (!saved.ok) {
        error = WithDetail(saved.message, saved.detail);
        return false;
    }
    PrintLine(stderr, result.summary);
    return true;
}

}  // namespace sorvel
