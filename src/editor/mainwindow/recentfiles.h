// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The recent-file list of "開き直す(&R)": full paths, newest first, at most
// eight, an entry entered again moving to the top.
#include <string>
#include <vector>

namespace sorvel {

// Removes an entry with exactly the same text (letter case counts), puts
// `path` first and drops what lies beyond the eighth entry.
void EnterRecentFile(std::vector<std::string>& list, const std::string& path);

}  // namespace sorvel
