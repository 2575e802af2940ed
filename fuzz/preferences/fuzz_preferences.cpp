// SPDX-License-Identifier: GPL-3.0-or-later
// Feeds arbitrary bytes to the settings reader on a normal and a degenerate
// page, and checks that a document read and written again reads the same.
#include <climits>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "model/inifile.h"
#include "model/preferencesfile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const int pages[][2] = {{964, 1365}, {0, 0}, {INT_MAX, INT_MIN}};
    for (const auto& page : pages) {
        sorvel::Preferences prefs;
        sorvel::ReadPreferencesText(text, prefs, page[0], page[1]);
        if (prefs.RecentFiles.size() > sorvel::kMaxRecentFiles) __builtin_trap();
        for (const auto& file : prefs.RecentFiles)
            if (file.empty()) __builtin_trap();
    }
    const sorvel::TIniFile ini = sorvel::TIniFile::Parse(text);
    const std::string once = ini.Text();
    if (sorvel::TIniFile::Parse(once).Text() != once) __builtin_trap();
    sorvel::Preferences a, b;
    sorvel::ReadPreferencesText(text, a, 964, 1365);
    sorvel::ReadPreferencesText(once, b, 964, 1365);
    if (!(a == b)) __builtin_trap();
    return 0;
}
