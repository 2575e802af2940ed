// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/pageexportcommand.h"

#include <string>

#include "app/batchcontext.h"
#include "app/commandline.h"
#include "print/pageexport.h"
#include "view/qt/musicfont.h"

namespace sorvel {
namespace {

// The file contents of the command: every page as a PDF, or `page` as an
// image. Needs the application object and the music font.
bool EncodePages(const BatchCommand& cmd, BatchContext& context, TMusicSheet* page,
                 std::string& bytes, UserText& error) {
    if (cmd.kind == BatchKind::ExportPdf) {
        return EncodeBookPdf(*context.book, context.env, bytes, error);
    }
    const ImageFormat format =
        cmd.kind == BatchKind::ExportPng ? ImageFormat::Png : ImageFormat::Bmp;
    return EncodePageImage(*page, format, context.env, bytes, error);
}

}  // namespace

bool DrawsPages(BatchKind kind) {
    return kind == BatchKind::ExportPng || kind == BatchKind::ExportBmp ||
           kind == BatchKind::ExportPdf;
}

bool RunPageExport(const BatchCommand& cmd, UserText& error) {
    BatchContext context;
    if (!context.Load(cmd.input, error)) return false;
    // A PDF holds every page; an image the one named.
    TMusicSheet* page = nullptr;
    if (cmd.kind != BatchKind::ExportPdf) {
        page = context.Page(cmd.page, error);
        if (!page) return false;
    }
    if (!InstallMusicFont()) {
        error = SORVEL_TEXT("sorvel::app", "音楽フォントを読み込めませんでした。");
        return false;
    }
    std::string bytes;
    if (!EncodePages(cmd, context, page, bytes, error)) return false;
    return BatchContext::WriteOutput(cmd.output, bytes, error);
}

}  // namespace sorvel
