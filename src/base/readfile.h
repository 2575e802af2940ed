// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Reading a whole file into memory, within a size its caller chooses: only
// regular files are read, so a folder, a device or a pipe named by mistake
// (or by a hostile input) fails at once instead of blocking or never ending.
#include <cstddef>
#include <string>

#include "base/filestamp.h"

namespace sorvel {

// Reads the regular file at `path` into `out`. Returns 0, or an errno: EFBIG
// when it holds more than `maxBytes` bytes (even if it grows while read),
// EISDIR for a folder, EINVAL for anything else that is not a regular file,
// EAGAIN for a file that says it is regular but would wait for its bytes (a
// kernel file such as /proc/kmsg), ENOMEM when the bytes do not fit in memory.
// NotARegularFile tells the three kinds of refusal from other errors. `out` is empty after a
// failure. `stamp`, when given, receives the stamp of the opened file as it was before reading, so
// a change made while it was read also counts as a later change.
int ReadFileBytes(const std::string& path, std::size_t maxBytes, std::string& out,
                  FileStamp* stamp = nullptr);

// Whether an error of ReadFileBytes says that the path names no regular file
// (a folder, a device, a pipe, a kernel file that waits): the user named the
// wrong thing, rather than a file that could not be read.
bool NotARegularFile(int error);

}  // namespace sorvel
