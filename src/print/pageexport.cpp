#include "print/pageexport.h"

#include <QPageSize>
#include <QPdfWriter>
#include <QSaveFile>

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

bool Commit(QSaveFile& file, const std::string& path, std::string& error) {
    if (file.commit()) return true;
    error = path + ": " + file.errorString().toStdString();
    return false;
}

}  // namespace

bool ExportPageImage(TMusicBook& book, int pageIndex, ImageFormat format, const std::string& path,
                     TModelEnv& env, std::string& error) {
    TMusicSheet* page = book.GetSheet(pageIndex);
    if (!page) {
        error = "the book has no page " + std::to_string(pageIndex + 1) + " (it has " +
                std::to_string(book.SheetCount()) + ")";
        return false;
    }
    QImage image = PageRenderer(env).Render(*page, true);
    QSaveFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::WriteOnly)) {
        error = path + ": " + file.errorString().toStdString();
        return false;
    }
    if (!image.save(&file, format == ImageFormat::Png ? "PNG" : "BMP")) {
        file.cancelWriting();
        error = path + ": the image could not be written";
        return false;
    }
    return Commit(file, path, error);
}

bool ExportBookPdf(TMusicBook& book, const std::string& path, TModelEnv& env, std::string& error) {
    if (book.SheetCount() == 0) {
        error = "the book has no pages";
        return false;
    }
    QSaveFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::WriteOnly)) {
        error = path + ": " + file.errorString().toStdString();
        return false;
    }
    {
        QPdfWriter writer(&file);
        writer.setResolution(kPdfResolution);
        writer.setTitle(QString::fromStdString(cp932::ToUtf8(book.Title())));
        writer.setCreator(QStringLiteral("Sorvel"));
        writer.setPageMargins(QMarginsF(0, 0, 0, 0));
        writer.setPageSize(PageSizeOf(*book.GetSheet(0)));
        QPainter painter;
        if (!painter.begin(&writer)) {
            file.cancelWriting();
            error = path + ": the PDF could not be started";
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
        }
        painter.end();
    }
    return Commit(file, path, error);
}

}  // namespace sorvel
