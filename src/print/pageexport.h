// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Pages as file contents: one page as PNG or BMP (one pixel per page unit),
// every page of a book as a PDF (one page unit = 1/120 inch). The bytes are
// made in memory; the caller writes them where it wants them.
#include <functional>
#include <string>

#include "base/usertext.h"
#include "model/modelenv.h"

namespace sorvel {

class TMusicBook;
class TMusicSheet;

enum class ImageFormat { Png, Bmp };

// Each sets `bytes` and returns true, or returns false with a one-line
// message in `error`.
bool EncodePageImage(TMusicSheet& page, ImageFormat format, ModelEnv& env, std::string& bytes,
                     UserText& error);
// `progress`, when given, hears after each page how many of how many pages
// are drawn; answering false stops the PDF, which then fails as cancelled.
using PdfProgress = std::function<bool(int pagesDone, int pageCount)>;
bool EncodeBookPdf(TMusicBook& book, ModelEnv& env, std::string& bytes, UserText& error,
                   const PdfProgress& progress = {});

}  // namespace sorvel
