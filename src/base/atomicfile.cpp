// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/atomicfile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstdlib>
#include <optional>
#include <vector>

namespace sorvel {
namespace {

// The file a write replaces: the target of a symbolic link, else the path.
std::string FinalTarget(const std::string& path) {
    struct stat st;
    if (lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return path;
    char* resolved = realpath(path.c_str(), nullptr);
    if (!resolved) return path;
    std::string target(resolved);
    std::free(resolved);
    return target;
}

// A new file beside `target`, created exclusively; -1 with errno on failure.
int CreateTemporary(const std::string& target, std::string& tempPath) {
    static std::atomic<unsigned> counter{0};  // distinct names for threads of one process
    const std::string stem = target + ".tmp-" + std::to_string(getpid()) + "-";
    for (int attempt = 0; attempt < 100; ++attempt) {
        tempPath = stem + std::to_string(counter++);
        int fd = open(tempPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    return -1;
}

bool InGroup(gid_t gid) {
    if (gid == getegid()) return true;
    const int count = getgroups(0, nullptr);
    if (count <= 0) return false;
    std::vector<gid_t> groups(static_cast<size_t>(count));
    const int got = getgroups(count, groups.data());
    return got > 0 && std::find(groups.begin(), groups.begin() + got, gid) != groups.begin() + got;
}

bool WriteAll(int fd, std::string_view data) {
    while (!data.empty()) {
        const ssize_t n = write(fd, data.data(), data.size());
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            if (n == 0) errno = EIO;
            return false;
        }
        data.remove_prefix(static_cast<size_t>(n));
    }
    return true;
}

}  // namespace

std::string FolderOf(const std::string& path) {
    const size_t slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

int MakeFolders(const std::string& dir) {
    struct stat st;
    if (stat(dir.c_str(), &st) == 0) return S_ISDIR(st.st_mode) ? 0 : ENOTDIR;
    const std::string parent = FolderOf(dir);
    if (parent != dir && parent != ".") {
        if (int err = MakeFolders(parent)) return err;
    }
    if (mkdir(dir.c_str(), 0700) != 0 && errno != EEXIST) return errno;
    return 0;
}

bool IsReadOnlyFile(const std::string& path) {
    struct stat st;
    if (stat(path.c_str(), &st) != 0) return false;
    const uid_t me = geteuid();
    mode_t bit = S_IWOTH;
    if (st.st_uid == me) {
        bit = S_IWUSR;
    } else if (me == 0) {
        bit = S_IWUSR | S_IWGRP | S_IWOTH;
    } else if (InGroup(st.st_gid)) {
        bit = S_IWGRP;
    }
    return (st.st_mode & bit) == 0;
}

int WriteFileAtomically(const std::string& path, std::string_view bytes, AtomicWriteOptions options,
                        FileStamp* written) {
    const std::string target = FinalTarget(path);
    if (IsReadOnlyFile(target)) return EACCES;
    const std::string folder = FolderOf(target);
    if (options.createFolders) {
        if (int err = MakeFolders(folder)) return err;
    }
    std::string temp;
    const int fd = CreateTemporary(target, temp);
    if (fd < 0) return errno;
    struct stat old;
    if (stat(target.c_str(), &old) == 0) (void)fchmod(fd, old.st_mode & 07777);
    int err = 0;
    if (!WriteAll(fd, bytes) || fsync(fd) != 0) err = errno;
    // Taken before the rename, which keeps the inode and the modification
    // time, so another writer coming in right after it cannot slip in.
    std::optional<FileStamp> stamp;
    if (err == 0 && written) {
        stamp = FileStampOf(fd);
        if (!stamp) err = errno;
    }
    if (close(fd) != 0 && err == 0) err = errno;
    if (err == 0 && rename(temp.c_str(), target.c_str()) != 0) err = errno;
    if (err != 0) {
        unlink(temp.c_str());
        return err;
    }
    // The rename reaches the disk only when the folder is flushed; a failure
    // here loses nothing.
    const int dir = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir >= 0) {
        (void)fsync(dir);
        close(dir);
    }
    if (written) *written = *stamp;
    return 0;
}

}  // namespace sorvel
