#include "app/pageexportcommand.h"

#include <QGuiApplication>
#include <cstdio>
#include <cstdlib>

#include "app/batchcontext.h"
#include "app/commandline.h"
#include "print/pageexport.h"
#include "view/qt/musicfont.h"

namespace sorvel {
namespace {

// Batch output is one line on failure and nothing on success: Qt's own
// notes about the environment (no runtime folder, no display) are dropped.
void QuietMessages(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtCriticalMsg || type == QtFatalMsg) {
        std::fprintf(stderr, "sorvel: %s\n", message.toLocal8Bit().constData());
    }
}

}  // namespace

bool RunPageExport(const BatchCommand& cmd, int argc, char** argv, std::string& error) {
    BatchContext context;
    if (!context.Load(cmd.input, error)) return false;
    // Pages are drawn off screen: no display is needed or used.
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    qInstallMessageHandler(QuietMessages);
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
