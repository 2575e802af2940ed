#include "app/batchcontext.h"

#include <cstring>

#include "base/atomicfile.h"
#include "model/musicbook.h"
#include "model/scorefile.h"

namespace sorvel {

bool BatchContext::Load(const std::string& path, std::string& error) {
    ReadResult result = ReadScoreFile(path, env);
    switch (result.status) {
        case ReadStatus::Ok:
            book = std::move(result.book);
            return true;
        case ReadStatus::NotAScore:
            error = path + ": not a score file (the first line is not the score header)";
            return false;
        default:
            error = path + ": " + result.message.Japanese();
            return false;
    }
}

TMusicSheet* BatchContext::Page(int number, std::string& error) const {
    TMusicSheet* page = book->GetSheet(number - 1);
    if (!page) {
        error = "the book has no page " + std::to_string(number) + " (it has " +
                std::to_string(book->SheetCount()) + ")";
    }
    return page;
}

bool BatchContext::WriteOutput(const std::string& path, std::string_view bytes,
                               std::string& error) {
    if (const int err = WriteFileAtomically(path, bytes)) {
        error = path + ": " + std::strerror(err);
        return false;
    }
    return true;
}

}  // namespace sorvel
