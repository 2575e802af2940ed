// SPDX-License-Identifier: GPL-3.0-or-later
#include "print/pdfexportjob.h"

#include <cstring>

#include "base/atomicfile.h"
#include "print/layoutkeeper.h"

namespace sorvel {

PdfExportResult SaveBookPdf(TMusicBook& book, ModelEnv& env, const std::string& path,
                            const PdfProgress& progress) {
    PdfExportResult result;
    bool cancelled = false;
    const PdfProgress watch = [&](int done, int count) {
        if (progress && !progress(done, count)) cancelled = true;
        return !cancelled;
    };
    std::string bytes;
    bool encoded = false;
    {
        LayoutKeeper keeper(env);
        encoded = EncodeBookPdf(book, env, bytes, result.error, watch);
    }
    if (cancelled) {
        result.status = PdfExportStatus::Cancelled;
        result.error = {};
        return result;
    }
    if (!encoded) return result;
    if (const int err = WriteFileAtomically(path, bytes)) {
        result.error = UserText(SORVEL_TEXT("sorvel::print", "%1: %2"),
                                {UserText::Plain(path), UserText::Plain(std::strerror(err))});
        return result;
    }
    result.status = PdfExportStatus::Written;
    return result;
}

}  // namespace sorvel
