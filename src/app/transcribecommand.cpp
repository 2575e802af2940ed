#include "app/transcribecommand.h"

#include <cstdio>

#include "app/commandline.h"
#include "listen/transcribe.h"
#include "model/scorefile.h"
#include "model/workspace.h"

namespace sorvel {
namespace {

// The options as transcription takes them; false with `error` set when one
// is malformed.
bool ReadOptions(const BatchCommand& cmd, listen::TranscribeOptions& options, std::string& error) {
    if (!cmd.tempo.empty()) {
        const std::optional<double> tempo = listen::ParseTempo(cmd.tempo);
        if (!tempo) {
            error = "--tempo needs quarter notes a minute from 20 to 300, not " + cmd.tempo;
            return false;
        }
        options.tempo = *tempo;
    }
    if (!cmd.meter.empty()) {
        options.meter = listen::ParseTimeSignature(cmd.meter);
        if (!options.meter) {
            error = "--meter needs 2/4, 3/4, 4/4, 3/8 or 6/8, not " + cmd.meter;
            return false;
        }
    }
    if (!cmd.key.empty()) {
        options.keyFifths = listen::ParseKeyName(cmd.key);
        if (!options.keyFifths) {
            error =
                "--key needs the tonic of a major key (C, G, D, F, Bb, F#, ...), not " + cmd.key;
            return false;
        }
    }
    return true;
}

}  // namespace

bool RunTranscribe(const BatchCommand& cmd, std::string& error) {
    listen::TranscribeOptions options;
    if (!ReadOptions(cmd, options, error)) return false;
    TWorkspace ws;
    listen::TranscribeResult result = listen::TranscribeFile(cmd.input, options, ws.env);
    if (!result.ok) {
        error = cmd.input + ": " + result.error.Japanese();
        return false;
    }
    ws.book = std::move(result.book);
    const SaveResult saved = SaveScoreFile(*ws.book, cmd.output);
    if (!saved.ok) {
        error = saved.message.Japanese() + (saved.detail.empty() ? "" : " (" + saved.detail + ")");
        return false;
    }
    std::fprintf(stderr, "%s\n", result.summary.Japanese().c_str());
    return true;
}

}  // namespace sorvel
