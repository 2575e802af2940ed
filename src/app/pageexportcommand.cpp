#include "app/pageexportcommand.h"

#include <QGuiApplication>
#include <cstdlib>

#include "app/batchcontext.h"
#include "app/commandline.h"
#include "print/pageexport.h"
#include "view/qt/musicfont.h"

namespace sorvel {

bool RunPageExport(const BatchCommand& cmd, int argc, char** argv, std::string& error) {
    BatchContext context;
    if (!context.Load(cmd.input, error)) return false;
    // Pages are drawn off screen: no display is needed or used.
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QGuiApplication app(argc, argv);
    if (!InstallMusicFont()) {
        error = "the music font could not be loaded";
        return false;
    }
    if (cmd.name == "--export-pdf") return ExportBookPdf(*context.book, cmd.output, context.env, error);
    ImageFormat format = cmd.name == "--export-png" ? ImageFormat::Png : ImageFormat::Bmp;
    return ExportPageImage(*context.book, cmd.page - 1, format, cmd.output, context.env, error);
}

}  // namespace sorvel
