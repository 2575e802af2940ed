// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/readfile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <new>
#include <optional>

namespace sorvel {
namespace {

constexpr std::size_t kChunk = 65536;

// Kind and size, checked on the open file so that the path cannot change in between.
int CheckRegular(int fd, std::size_t maxBytes, std::size_t& size, FileStamp* stamp) {
    struct stat st;
    if (fstat(fd, &st) != 0) return errno;
    if (stamp) {
        const std::optional<FileStamp> now = FileStampOf(fd);
        if (!now) return errno;
        *stamp = *now;
    }
    if (S_ISDIR(st.st_mode)) return EISDIR;
    if (!S_ISREG(st.st_mode)) return EINVAL;
    if (static_cast<unsigned long long>(st.st_size) > maxBytes) return EFBIG;
    size = static_cast<std::size_t>(st.st_size);
    return 0;
}

// Reads to the end of the file into `bytes`, starting with room for its size
// at open time; one byte beyond `maxBytes` shows that the file grew too large.
int ReadToEnd(int fd, std::size_t sizeHint, std::size_t maxBytes, std::string& bytes) {
    const std::size_t room = maxBytes + 1;
    bytes.resize(std::min(sizeHint + 1, room));
    std::size_t done = 0;
    for (;;) {
        if (done == bytes.size()) {
            if (done == room) return EFBIG;
            bytes.resize(std::min(done + kChunk, room));
        }
        const ssize_t n = read(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) continue;
        // A file that has nothing to give yet is no ordinary file: kernel
        // files such as /proc/kmsg are "regular" yet wait for new messages.
        if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) return EAGAIN;
        if (n < 0) return errno;
        if (n == 0) break;
        done += static_cast<std::size_t>(n);
    }
    bytes.resize(done);
    return 0;
}

}  // namespace

int ReadFileBytes(const std::string& path, std::size_t maxBytes, std::string& out,
                  FileStamp* stamp) {
    out.clear();
    maxBytes = std::min<std::size_t>(maxBytes, SIZE_MAX - 1);
    // Without O_NONBLOCK, opening a pipe would wait for a writer before the
    // kind check could refuse it. It stays set while reading: a file on disk
    // ignores it, and a kernel file that would wait for data fails at once.
    const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) return errno;
    std::size_t size = 0;
    int err = CheckRegular(fd, maxBytes, size, stamp);
    if (err == 0) {
        try {
            err = ReadToEnd(fd, size, maxBytes, out);
        } catch (const std::bad_alloc&) {
            err = ENOMEM;
        }
    }
    close(fd);
    if (err != 0) {
        out.clear();
        out.shrink_to_fit();
    }
    return err;
}

bool NotARegularFile(int error) {
    return error == EISDIR || error == EINVAL || error == EAGAIN;
}

}  // namespace sorvel
