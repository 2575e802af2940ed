#include "app/exportmidicommand.h"

#include <cstdio>
#include <cstring>

#include "app/batchcontext.h"
#include "app/commandline.h"
#include "base/atomicfile.h"
#include "playback/offline/midifilerecorder.h"
#include "playback/offline/offlineplay.h"
#include "playback/offline/pieceinfo.h"

namespace sorvel {

TMusicSheet* CommandPage(const BatchContext& context, const BatchCommand& cmd, std::string& error) {
    TMusicSheet* page = context.book->GetSheet(cmd.page - 1);
    if (!page) {
        error = "the book has no page " + std::to_string(cmd.page) + " (it has " +
                std::to_string(context.book->SheetCount()) + ")";
    }
    return page;
}

bool CheckPlayResult(const OfflinePlayResult& result, std::string& error) {
    if (!result.finished) {
        error = "the play did not end within " + std::to_string(result.millis / 3'600'000) +
                " hours; nothing was written";
        return false;
    }
    // The play goes ahead after the message, as it does in the program.
    for (const std::string& line : result.Warnings())
        std::fprintf(stderr, "sorvel: warning: %s\n", line.c_str());
    return true;
}

bool RunExportMidi(const BatchCommand& cmd, std::string& error) {
    BatchContext context;
    if (!context.Load(cmd.input, error)) return false;
    TMusicSheet* page = CommandPage(context, cmd, error);
    if (!page) return false;

    OfflinePlay play(*page, context.prefs, {.metronome = cmd.metronome});
    MidiFileOptions options;
    options.melodyChannel = OfflinePlay::kMelodyChannel;
    options.rhythmChannel = play.RhythmChannel();
    options.rhythmTrack = cmd.metronome;
    const PieceInfo info = ReadPieceInfo(*page);
    options.title = info.title;
    if (info.signature) options.timeSignature = {info.signature->beats, info.signature->unit};
    MidiFileRecorder recorder(options);
    if (!CheckPlayResult(play.Run(recorder), error)) return false;

    if (const int err = WriteFileAtomically(cmd.output, recorder.FileBytes())) {
        error = cmd.output + ": " + std::strerror(err);
        return false;
    }
    return true;
}

}  // namespace sorvel
