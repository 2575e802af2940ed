// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Saving a whole book as one PDF file from the editor: the same pages as the
// batch PDF export, made in memory and written atomically, so a cancelled or
// failed export leaves no file (and an existing file as it was).
#include <string>

#include "base/usertext.h"
#include "model/modelenv.h"
#include "print/pageexport.h"

namespace sorvel {

class TMusicBook;

enum class PdfExportStatus { Written, Cancelled, Failed };

struct PdfExportResult {
    PdfExportStatus status = PdfExportStatus::Failed;
    UserText error;  // for Failed: what went wrong, with the path
};

// Writes every page of `book` to `path`; `progress` hears of each page and
// may cancel. The current layout of `env` is the same afterwards.
PdfExportResult SaveBookPdf(TMusicBook& book, ModelEnv& env, const std::string& path,
                            const PdfProgress& progress = {});

}  // namespace sorvel
