#include "app/batchcontext.h"

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
            error = path + ": " + result.message;
            return false;
    }
}

}  // namespace sorvel
