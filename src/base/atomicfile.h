#pragma once
// Replacing a file without ever leaving it half written: the bytes go to a
// temporary file in the same folder, which is flushed to disk and renamed
// over the target. A failure leaves the old file as it was.
#include <string>
#include <string_view>

namespace sorvel {

struct AtomicWriteOptions {
    // Creates missing parent folders (mode 0700) first.
    bool createFolders = false;
};

// Writes `bytes` to `path`. A symbolic link at `path` is followed, so the file
// it points to is replaced; a replaced file keeps its permissions. Returns 0,
// or the errno of the failure.
int WriteFileAtomically(const std::string& path, std::string_view bytes,
                        AtomicWriteOptions options = {});

// The folder part of a path ("." for a bare name).
std::string FolderOf(const std::string& path);

// Creates `dir` and its missing parents with mode 0700; 0 or an errno.
int MakeFolders(const std::string& dir);

}  // namespace sorvel
