#pragma once
// Reading a whole file into memory, within a size its caller chooses: only
// regular files are read, so a folder, a device or a pipe named by mistake
// (or by a hostile input) fails at once instead of blocking or never ending.
#include <cstddef>
#include <string>

namespace sorvel {

// Reads the regular file at `path` into `out`. Returns 0, or an errno: EFBIG
// when it holds more than `maxBytes` bytes (even if it grows while read),
// EISDIR for a folder, EINVAL for anything else that is not a regular file,
// ENOMEM when the bytes do not fit in memory. `out` is empty after a failure.
int ReadFileBytes(const std::string& path, std::size_t maxBytes, std::string& out);

}  // namespace sorvel
