// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/batchcommands.h"

#include "app/commandline.h"
#include "app/exportmidicommand.h"
#include "app/intonationcommand.h"
#include "app/musicxmlbatch.h"
#include "app/pageexportcommand.h"
#include "app/renderwavcommand.h"
#include "app/resave.h"
#include "app/transcribecommand.h"

namespace sorvel {

bool RunBatchCommand(const BatchCommand& cmd, UserText& error) {
    switch (cmd.kind) {
        case BatchKind::Resave:
            return RunResave(cmd, error);
        case BatchKind::ExportMidi:
            return RunExportMidi(cmd, error);
        case BatchKind::RenderWav:
            return RunRenderWav(cmd, error);
        case BatchKind::ImportMusicXml:
            return RunImportMusicXml(cmd, error);
        case BatchKind::ExportMusicXml:
            return RunExportMusicXml(cmd, error);
        case BatchKind::Transcribe:
            return RunTranscribe(cmd, error);
        case BatchKind::Intonation:
            return RunIntonation(cmd, error);
        case BatchKind::ExportPng:
        case BatchKind::ExportBmp:
        case BatchKind::ExportPdf:
            return RunPageExport(cmd, error);
    }
    return false;  // not reached: the compiler checks that every kind is handled
}

}  // namespace sorvel
