// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Replacing a file without ever leaving it half written: the bytes go to a
// temporary file in the same folder, which is flushed to disk and renamed
// over the target. A failure leaves the old file as it was.
#include <string>
#include <string_view>

#include "base/filestamp.h"

namespace sorvel {

struct AtomicWriteOptions {
    // Creates missing parent folders (mode 0700) first.
    bool createFolders = false;
};

// Writes `bytes` to `path`. A symbolic link at `path` is followed, so the file
// it points to is replaced; a replaced file keeps its permissions. A file set
// read-only is refused with EACCES and left as it was: the rename would replace
// it whatever its mode, and that for every user including root. Returns 0, or
// the errno of the failure. `written`, when given, receives the stamp of the
// new file on success.
int WriteFileAtomically(const std::string& path, std::string_view bytes,
                        AtomicWriteOptions options = {}, FileStamp* written = nullptr);

// Whether the mode of an existing file forbids this process to write it: the
// write bit of the class it falls in (owner, group, others), and for root,
// which may write anything, any write bit at all. False for a missing file.
bool IsReadOnlyFile(const std::string& path);

// The folder part of a path ("." for a bare name).
std::string FolderOf(const std::string& path);

// Creates `dir` and its missing parents with mode 0700; 0 or an errno.
int MakeFolders(const std::string& dir);

}  // namespace sorvel
