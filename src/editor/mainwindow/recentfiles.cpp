// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/mainwindow/recentfiles.h"

#include <algorithm>

#include "model/preferencesfile.h"

namespace sorvel {

void EnterRecentFile(std::vector<std::string>& list, const std::string& path) {
    list.erase(std::remove(list.begin(), list.end(), path), list.end());
    list.insert(list.begin(), path);
    if (list.size() > static_cast<size_t>(kMaxRecentFiles)) list.resize(kMaxRecentFiles);
}

}  // namespace sorvel
