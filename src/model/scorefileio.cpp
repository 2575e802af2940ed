// SPDX-License-Identifier: GPL-3.0-or-later
// The score file on disk: the atomic save and the reading of the whole file.
#include <cerrno>
#include <cstring>
#include <new>
#include <optional>
#include <string>

#include "base/atomicfile.h"
#include "base/readfile.h"
#include "model/musicbook.h"
#include "model/readerlimits.h"
#include "model/scorefile.h"

namespace sorvel {
namespace {

SaveResult LimitFailure(const ReaderLimitBreach& breach) {
    SaveResult result;
    result.message = breach.message;
    return result;
}

SaveResult WriteAtomically(const std::string& path, const std::string& bytes) {
    SaveResult result;
    if (int error = WriteFileAtomically(path, bytes, {}, &result.stamp)) {
        return SaveFailure(path, error);
    }
    result.ok = true;
    return result;
}

}  // namespace

SaveResult SaveFailure(const std::string& path, int error) {
    SaveResult result;
    result.message =
        UserText(SORVEL_TEXT("sorvel::model", "「%1」に保存できません。"), {UserText::Plain(path)});
    result.detail = std::strerror(error);
    return result;
}

UserText ChangedOnDiskQuestion(const std::string& path) {
    return UserText(SORVEL_TEXT("sorvel::model",
                                "「%1」は、読み込んだ後にほかのプログラムで変更されています。\n"
                                "上書き保存すると、その変更は失われます。上書きしますか？"),
                    {UserText::Plain(path)});
}

SaveResult SaveScoreFile(TMusicBook& book, const std::string& path) {
    try {
        if (const std::optional<ReaderLimitBreach> breach = ReaderLimitBroken(book)) {
            return LimitFailure(*breach);
        }
        const std::string bytes = SaveBookToFileBytes(book);
        if (const std::optional<ReaderLimitBreach> breach = FileSizeLimitBroken(bytes.size())) {
            return LimitFailure(*breach);
        }
        return WriteAtomically(path, bytes);
    } catch (const std::bad_alloc&) {
        return SaveFailure(path, ENOMEM);
    } catch (const std::exception&) {
        return SaveFailure(path, EIO);
    }
}

ReadResult ReadScoreFile(const std::string& path, ModelEnv& env) {
    std::string bytes;
    FileStamp stamp;
    const int error = ReadFileBytes(path, kMaxScoreBytes, bytes, &stamp);
    switch (error) {
        case 0: {
            ReadResult result = ReadScoreBytes(bytes, env);
            result.stamp = stamp;
            return result;
        }
        case ENOENT:
        case ENOTDIR:
            return ReadFailure(ReadStatus::FileNotFound, kMsgFileNotFound);
        case EFBIG:
        case ENOMEM:
            return ReadFailure(ReadStatus::TooLarge, kMsgTooLarge);
        default:
            return ReadFailure(ReadStatus::Unreadable,
                               NotARegularFile(error) ? kMsgNotAFile : kMsgUnreadable);
    }
}

}  // namespace sorvel
