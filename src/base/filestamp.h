// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a file on disk looked like when the editor last read or wrote it, so
// that a save can tell whether another program (or a second editor on the same
// file) has changed it since. Qt-free.
#include <cstdint>
#include <optional>
#include <string>

namespace sorvel {

// The identity and the last change of a file. A save that replaces the file
// makes a new inode; a write in place changes the size or the modification
// time. Two stamps are equal exactly when nothing of this changed.
struct FileStamp {
    std::uint64_t device = 0;
    std::uint64_t inode = 0;
    std::int64_t size = 0;
    std::int64_t modifiedSeconds = 0;
    std::int64_t modifiedNanoseconds = 0;

    bool operator==(const FileStamp&) const = default;
};

// The stamp of the file at `path`, symbolic links followed; empty when there
// is no such file or it cannot be examined.
std::optional<FileStamp> ReadFileStamp(const std::string& path);

// The stamp of an open file.
std::optional<FileStamp> FileStampOf(int fd);

enum class DiskChange {
    Unchanged,  // still the file of the stamp (or it cannot be examined: the save reports that)
    Changed,    // replaced or rewritten since the stamp was taken
    Gone,       // no file at the path any more
};

// Whether the file at `path` is still the one `stamp` was taken of.
DiskChange ChangeSince(const FileStamp& stamp, const std::string& path);

}  // namespace sorvel
