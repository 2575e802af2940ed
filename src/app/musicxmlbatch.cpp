#include "app/musicxmlbatch.h"

#include <cstdio>

#include "app/batchcontext.h"
#include "app/commandline.h"
#include "interchange/musicxmlimport.h"
#include "interchange/musicxmlwriter.h"
#include "model/scorefile.h"

namespace sorvel {

bool RunImportMusicXml(const BatchCommand& cmd, std::string& error) {
    TWorkspace ws;
    interchange::MusicXmlImport imported =
        interchange::ImportMusicXmlFile(cmd.input, cmd.part, ws.env);
    if (!imported.ok) {
        error = cmd.input + ": " + imported.message.Japanese();
        return false;
    }
    ws.book = std::move(imported.book);
    SaveResult saved = SaveScoreFile(*ws.book, cmd.output);
    if (!saved.ok) {
        error = saved.message.Japanese() + (saved.detail.empty() ? "" : " (" + saved.detail + ")");
        return false;
    }
    std::fprintf(stderr, "%s\n", imported.summary.Japanese().c_str());
    return true;
}

bool RunExportMusicXml(const BatchCommand& cmd, std::string& error) {
    BatchContext context;
    if (!context.Load(cmd.input, error)) return false;
    interchange::MusicXmlWriteResult written =
        interchange::ExportMusicXmlFile(*context.book, cmd.output);
    if (!written.ok) {
        error = written.message.Japanese() +
                (written.detail.empty() ? "" : " (" + written.detail + ")");
        return false;
    }
    if (!written.summary.empty()) std::fprintf(stderr, "%s\n", written.summary.Japanese().c_str());
    return true;
}

}  // namespace sorvel
