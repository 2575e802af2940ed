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

// The file a save replaces: the target of a symbolic link, else the path.
std::string SaveTarget(const std::string& path) {
    struct stat st;
    if (lstat(path.c_str(), &st) == 0 && S_ISLNK(st.st_mode)) {
        if (char* real = realpath(path.c_str(), nullptr)) {
            std::string target = real;
            std::free(real);
            return target;
        }
    }
    return path;
}

std::string FolderOf(const std::string& path) {
    const size_t slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

// A new file beside `target`, created exclusively; -1 with errno on failure.
int CreateTemporary(const std::string& target, std::string& tempPath) {
    static std::atomic<unsigned> counter{0};
    const std::string stem = target + ".tmp-" + std::to_string(getpid()) + "-";
    for (int attempt = 0; attempt < 100; ++attempt) {
        tempPath = stem + std::to_string(counter++);
        int fd = open(tempPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    return -1;
}

bool WriteAll(int fd, const std::string& bytes) {
    size_t done = 0;
    while (done < bytes.size()) {
        ssize_t n = write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            if (n == 0) errno = EIO;
            return false;
        }
        done += static_cast<size_t>(n);
    }
    return true;
}

// Temporary file, write, fsync, close, rename over the target, sync the folder.
SaveResult WriteAtomically(const std::string& path, const std::string& bytes) {
    const std::string target = SaveTarget(path);
    std::string temp;
    const int fd = CreateTemporary(target, temp);
    if (fd < 0) return SaveFailure(path, errno);
    struct stat old;
    if (stat(target.c_str(), &old) == 0) fchmod(fd, old.st_mode & 07777);  // keep the file's mode
    bool ok = WriteAll(fd, bytes) && fsync(fd) == 0;
    int error = errno;
    if (close(fd) != 0 && ok) {
        ok = false;
        error = errno;
    }
    if (ok && rename(temp.c_str(), target.c_str()) != 0) {
        ok = false;
        error = errno;
    }
    if (!ok) {
        unlink(temp.c_str());
        return SaveFailure(path, error);
    }
    const int dir = open(FolderOf(target).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir >= 0) {
        fsync(dir);  // the rename itself reaches the disk; failure here loses nothing
        close(dir);
    }
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
