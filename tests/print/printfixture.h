// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Books for the printing tests and what they read back from PDF files: the
// page count, and a page rasterised by poppler's pdftoppm.
#include <QByteArray>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <string>

#include "model/itemfactory.h"
#include "model/musicsheet.h"
#include "model/note.h"
#include "model/workspace.h"

namespace sorvel {

// A book of `pages` pages, each with a row of notes and its title.
inline TMusicBook& MakePrintBook(Workspace& ws, int pages) {
    TMusicBook& book = ws.NewBook();
    for (int i = 1; i < pages; ++i) book.NewSheet();
    for (int i = 0; i < pages; ++i) {
        TMusicSheet& page = *book.GetSheet(i);
        for (int slot = 0; slot < 8; ++slot) {
            TNote* note = CreateItem<TNote>(page);
            note->SetContent(std::string(1, static_cast<char>('1' + slot % 7)));
            note->SetPosX(90 + slot * 100);
            note->SetPosY(243);
        }
    }
    return book;
}

inline QByteArray ReadAll(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    return file.readAll();
}

// Pages of a PDF as Qt writes it: one "/Type /Page" object per page.
inline int PdfPageCount(const QByteArray& pdf) {
    static const QRegularExpression page(QStringLiteral("/Type\\s*/Page(?![a-zA-Z])"));
    return static_cast<int>(QString::fromLatin1(pdf).count(page));
}

inline bool HavePdftoppm() {
    return !QStandardPaths::findExecutable("pdftoppm").isEmpty();
}

// Page `number` (1-based) of a PDF as a grey image at `dpi`; null on failure.
inline QImage RasterisePdfPage(const QString& pdf, int number, int dpi) {
    QTemporaryDir dir;
    const QString stem = dir.filePath("page");
    QProcess::execute("pdftoppm", {"-r", QString::number(dpi), "-f", QString::number(number), "-l",
                                   QString::number(number), "-gray", "-singlefile", pdf, stem});
    return QImage(stem + ".pgm");
}

// The rectangle holding every dark pixel of `image` (inside `area` when given).
inline QRect InkBox(const QImage& image, QRect area = {}) {
    if (area.isNull()) area = image.rect();
    QRect box;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            if (qGray(image.pixel(x, y)) < 128) box |= QRect(x, y, 1, 1);
        }
    }
    return box;
}

}  // namespace sorvel
