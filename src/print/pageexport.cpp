// SPDX-License-Identifier: GPL-3.0-or-later
#include "print/pageexport.h"

#include <QBuffer>
#include <QPageSize>
#include <QPdfWriter>

#include "base/cp932.h"
#include "model/musicbook.h"
#include "model/musicsheet.h"
#include "print/pagerenderer.h"

namespace sorvel {
namespace {

constexpr int kPdfResolution = 1200;  // ten device dots per page unit

QPageSize PageSizeOf(const TMusicSheet& page) {
    return QPageSize(QSizeF(page.PageWidth / 120.0, page.PageHeight / 120.0), QPageSize::Inch,
                     QString(), QPageSize::ExactMatch);
}

}  // namespace

bool EncodePageImage(TMusicSheet& page, ImageFormat format, ModelEnv& env, std::string& bytes,
                     UserText& error) {
    const QImage image = PageRenderer(env).Render(page, true);
    const char* name = format == ImageFormat::Png ? "PNG" : "BMP";
    QByteArray encoded;
    QBuffer buffer(&encoded);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, name)) {
        error = UserText(SORVEL_TEXT("sorvel::print", "ページを %1 にできませんでした。"),
                         {UserText::Plain(name)});
        return false;
    }
    bytes.assign(encoded.constData(), static_cast<size_t>(encoded.size()));
    return true;
}

bool EncodeBookPdf(TMusicBook& book, ModelEnv& env, std::string& bytes, UserText& error,
                   const PdfProgress& progress) {
    if (book.SheetCount() == 0) {
        error = SORVEL_TEXT("sorvel::print", "ブックにページがありません。");
        return false;
    }
    QByteArray encoded;
    QBuffer buffer(&encoded);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setResolution(kPdfResolution);
        writer.setTitle(QString::fromStdString(cp932::ToUtf8(book.Title())));
        writer.setCreator(QStringLiteral("Sorvel"));
        writer.setPageMargins(QMarginsF(0, 0, 0, 0));
        writer.setPageSize(PageSizeOf(*book.GetSheet(0)));
        QPainter painter;
        if (!painter.begin(&writer)) {
            error = SORVEL_TEXT("sorvel::print", "PDF を書き始められませんでした。");
            return false;
        }
        PageRenderer renderer(env);
        for (int i = 0; i < book.SheetCount(); ++i) {
            TMusicSheet& page = *book.GetSheet(i);
            if (i > 0) {
                writer.setPageSize(PageSizeOf(page));
                writer.newPage();
            }
            painter.save();
            painter.scale(kPdfResolution / 120.0, kPdfResolution / 120.0);
            renderer.Paint(painter, page, true);
            painter.restore();
            if (progress && !progress(i + 1, book.SheetCount())) {
                painter.end();
                error = SORVEL_TEXT("sorvel::print", "PDF の作成を取り消しました。");
                return false;
            }
        }
        painter.end();
    }
    bytes.assign(encoded.constData(), static_cast<size_t>(encoded.size()));
    return true;
}

}  // namespace sorvel
