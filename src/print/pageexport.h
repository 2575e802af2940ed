#pragma once
// Writing pages to files: one page as PNG or BMP (one pixel per page unit),
// every page of a book as a PDF (one page unit = 1/120 inch). Files are
// written atomically; on failure nothing is left at the target.
#include <string>

#include "model/modelenv.h"

namespace sorvel {

class TMusicBook;

enum class ImageFormat { Png, Bmp };

// `pageIndex` is zero-based. False with a message on failure.
bool ExportPageImage(TMusicBook& book, int pageIndex, ImageFormat format, const std::string& path,
                     TModelEnv& env, std::string& error);
bool ExportBookPdf(TMusicBook& book, const std::string& path, TModelEnv& env, std::string& error);

}  // namespace sorvel
