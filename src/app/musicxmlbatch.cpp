// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/musicxmlbatch.h"

#include "app/batchcontext.h"
#include "app/commandline.h"
#include "app/console.h"
#include "interchange/musicxmlimport.h"
#include "interchange/musicxmlwriter.h"
#include "model/scorefile.h"

namespace sorvel {

bool RunImportMusicXml(const BatchCommand& cmd, UserText& error) {
    Workspace ws;
    interchange::MusicXmlImport imported =
        interchange::ImportMusicXmlFile(cmd.input, cmd.part, ws.env);
    if (!imported.ok) {
        error = AboutFile(cmd.input, imported.message);
        return false;
    }
    ws.book = std::move(imported.book);
    SaveResult saved = SaveScoreFile(*ws.book, cmd.output);
    if (!saved.ok) {
        error = WithDetail(saved.message, saved.detail);
        return false;
    }
    PrintLine(stderr, imported.summary);
    return true;
}

bool RunExportMusicXml(const BatchCommand& cmd, UserText& error) {
    BatchContext context;
    if (!context.Load(cmd.input, error)) return false;
    interchange::MusicXmlWriteResult written =
        interchange::ExportMusicXmlFile(*context.book, cmd.output);
    if (!written.ok) {
        error = WithDetail(written.message, written.detail);
        return false;
    }
    if (!written.summary.empty()) PrintLine(stderr, written.summary);
    return true;
}

}  // namespace sorvel
