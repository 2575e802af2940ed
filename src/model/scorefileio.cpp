// The score file on disk: the atomic save and the reading of the whole file.
#include <cerrno>
#include <cstring>
#include <new>
#include <string>

#include "base/atomicfile.h"
#include "base/readfile.h"
#include "model/musicbook.h"
#include "model/scorefile.h"

namespace sorvel {
namespace {

SaveResult SaveFailure(const std::string& path, int error) {
    SaveResult result;
    result.message = "「" + path + "」に保存できません。";
    result.detail = std::strerror(error);
    return result;
}

SaveResult WriteAtomically(const std::string& path, const std::string& bytes) {
    if (int error = WriteFileAtomically(path, bytes)) return SaveFailure(path, error);
    SaveResult result;
    result.ok = true;
    return result;
}

}  // namespace

SaveResult SaveScoreFile(TMusicBook& book, const std::string& path) {
    try {
        return WriteAtomically(path, SaveBookToFileBytes(book));
    } catch (const std::bad_alloc&) {
        return SaveFailure(path, ENOMEM);
    } catch (const std::exception&) {
        return SaveFailure(path, EIO);
    }
}

ReadResult ReadScoreFile(const std::string& path, TModelEnv& env) {
    std::string bytes;
    switch (ReadFileBytes(path, kMaxScoreBytes, bytes)) {
        case 0:
            return ReadScoreBytes(bytes, env);
        case ENOENT:
        case ENOTDIR:
            return ReadFailure(ReadStatus::FileNotFound, kMsgFileNotFound);
        case EFBIG:
        case ENOMEM:
            return ReadFailure(ReadStatus::TooLarge, kMsgTooLarge);
        default:
            return ReadFailure(ReadStatus::Unreadable, kMsgUnreadable);
    }
}

}  // namespace sorvel
