// SPDX-License-Identifier: GPL-3.0-or-later
// Reads any bytes as MusicXML (or, starting with "PK", as a compressed .mxl).
// Whatever is read must hold together: the kept voice fills each measure
// from its start to its length, no sign stands twice on a note, grace
// groups stay within their bound, and every count of what was left out is
// positive.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "interchange/musicxmlreader.h"

namespace {

void Check(bool condition) {
    if (!condition) std::abort();
}

void CheckScore(const sorvel::interchange::ImportedScore& score) {
    Check(score.partNumber >= 1 && score.partNumber <= score.partCount);
    for (const auto& m : score.measures) {
        int end = 0;
        for (const auto& n : m.notes) {
            Check(n.onset == end && n.duration > 0);
            end = n.onset + n.duration;
            Check(n.gracesBefore.size() <= 4 && n.gracesAfter.size() <= 4);
            std::string signs = n.signs;
            std::sort(signs.begin(), signs.end());
            Check(std::adjacent_find(signs.begin(), signs.end()) == signs.end());
            Check(n.slurStarts >= 0 && n.slurStops >= 0);
        }
        Check(end == m.length);
    }
    for (const auto& [label, count] : score.leftOut) Check(!label.empty() && count > 0);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const auto result = sorvel::interchange::ReadMusicXmlBytes(bytes);
    Check(result.ok == result.message.empty());
    if (result.ok) CheckScore(result.score);
    return 0;
}
