// The score file on disk: the atomic save and the reading of the whole file.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <new>
#include <string>

#include "base/atomicfile.h"
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

ReadResult ReadFailure(ReadStatus status, const char* message) {
    ReadResult result;
    result.status = status;
    result.message = message;
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
    const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        if (errno == ENOENT || errno == ENOTDIR) return ReadFailure(ReadStatus::FileNotFound, kMsgFileNotFound);
        return ReadFailure(ReadStatus::Unreadable, kMsgUnreadable);
    }
    struct stat st;
    if (fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        close(fd);
        return ReadFailure(ReadStatus::Unreadable, kMsgUnreadable);
    }
    if (static_cast<unsigned long long>(st.st_size) > kMaxScoreBytes) {
        close(fd);
        return ReadFailure(ReadStatus::TooLarge, kMsgTooLarge);
    }
    std::string bytes;
    try {
        bytes.resize(static_cast<size_t>(st.st_size));
        size_t done = 0;
        // The file may grow while it is read: read to its end, within the limit.
        while (true) {
            if (done == bytes.size()) {
                if (bytes.size() > kMaxScoreBytes) break;
                bytes.resize(bytes.size() + 65536);
            }
            ssize_t n = read(fd, bytes.data() + done, bytes.size() - done);
            if (n < 0 && errno == EINTR) continue;
            if (n < 0) {
                close(fd);
                return ReadFailure(ReadStatus::Unreadable, kMsgUnreadable);
            }
            if (n == 0) break;
            done += static_cast<size_t>(n);
        }
        bytes.resize(done);
    } catch (const std::bad_alloc&) {
        close(fd);
        return ReadFailure(ReadStatus::TooLarge, kMsgTooLarge);
    }
    close(fd);
    return ReadScoreBytes(bytes, env);
}

}  // namespace sorvel
