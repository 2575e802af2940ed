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

// The file contents of the command: every page as a PDF, or `page` as an
// image. Needs the application object and the music font.
bool EncodePages(const BatchCommand& cmd, BatchContext& context, TMusicSheet* page,
                 std::string& bytes, std::string& error) {
    if (cmd.kind == BatchKind::ExportPdf) {
        return EncodeBookPdf(*context.book, context.env, bytes, error);
    }
    const ImageFormat format =
        cmd.kind == BatchKind::ExportPng ? ImageFormat::Png : ImageFormat::Bmp;
    return EncodePageImage(*page, format, context.env, bytes, error);
}

}  // namespace

bool RunPageExport(const BatchCommand& cmd, int argc, char** argv, std::string& error) {
    BatchContext context;
    if (!context.Load(cmd.input, error)) return false;
    // A PDF holds every page; an image the one named.
    TMusicSheet* page = nullptr;
    if (cmd.kind != BatchKind::ExportPdf) {
        page = context.Page(cmd.page, error);
        if (!page) return false;
    }
    // Pages are drawn off screen: no display is needed or used.
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    qInstallMessageHandler(QuietMessages);
    QGuiApplication app(argc, argv);
    if (!InstallMusicFont()) {
        error = "the music font could not be loaded";
        return false;
    }
    std::string bytes;
    if (!EncodePages(cmd, context, page, bytes, error)) return false;
    return BatchContext::WriteOutput(cmd.output, bytes, error);
}

}  // namespace sorvel
