// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/exportmidicommand.h"

#include "app/batchcontext.h"
#include "app/commandline.h"
#include "app/playresult.h"
#include "playback/conversion/channelsetup.h"
#include "playback/offline/midifilerecorder.h"
#include "playback/offline/offlineplay.h"
#include "playback/offline/pieceinfo.h"

namespace sorvel {

bool RunExportMidi(const BatchCommand& cmd, UserText& error) {
    BatchContext context;
    if (!context.Load(cmd.input, error)) return false;
    TMusicSheet* page = context.Page(cmd.page, error);
    if (!page) return false;

    OfflinePlay play(*page, context.prefs,
                     {.metronome = cmd.metronome, .expressive = cmd.expressive});
    MidiFileOptions options;
    options.melodyChannel = kMelodyChannel;
    options.rhythmChannel = play.RhythmChannel();
    options.rhythmTrack = cmd.metronome;
    const PieceInfo info = ReadPieceInfo(*page);
    options.title = info.title;
    if (info.signature) options.timeSignature = {info.signature->beats, info.signature->unit};
    MidiFileRecorder recorder(options);
    if (!CheckPlayResult(play.Run(recorder), error)) return false;
    return BatchContext::WriteOutput(cmd.output, recorder.FileBytes(), error);
}

}  // namespace sorvel
