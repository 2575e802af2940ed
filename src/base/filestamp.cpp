// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/filestamp.h"

#include <sys/stat.h>

#include <cerrno>

namespace sorvel {
namespace {

FileStamp StampOf(const struct stat& st) {
    FileStamp stamp;
    stamp.device = static_cast<std::uint64_t>(st.st_dev);
    stamp.inode = static_cast<std::uint64_t>(st.st_ino);
    stamp.size = static_cast<std::int64_t>(st.st_size);
    stamp.modifiedSeconds = static_cast<std::int64_t>(st.st_mtim.tv_sec);
    stamp.modifiedNanoseconds = static_cast<std::int64_t>(st.st_mtim.tv_nsec);
    return stamp;
}

}  // namespace

std::optional<FileStamp> ReadFileStamp(const std::string& path) {
    struct stat st;
    if (stat(path.c_str(), &st) != 0) return std::nullopt;
    return StampOf(st);
}

std::optional<FileStamp> FileStampOf(int fd) {
    struct stat st;
    if (fstat(fd, &st) != 0) return std::nullopt;
    return StampOf(st);
}

DiskChange ChangeSince(const FileStamp& stamp, const std::string& path) {
    struct stat st;
    if (stat(path.c_str(), &st) != 0) {
        return errno == ENOENT || errno == ENOTDIR ? DiskChange::Gone : DiskChange::Unchanged;
    }
    return StampOf(st) == stamp ? DiskChange::Unchanged : DiskChange::Changed;
}

}  // namespace sorvel
