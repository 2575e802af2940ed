// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The score document inside a compressed MusicXML file (.mxl, a zip archive):
// the first rootfile named by META-INF/container.xml, else the first .musicxml
// or .xml entry outside META-INF. Reads from memory with bounded sizes.
#include <cstddef>
#include <string>
#include <string_view>

namespace sorvel::interchange {

enum class MxlStatus {
    Ok,
    NoScore,   // not a readable archive, or no score document in it
    TooLarge,  // the score (or the archive's entry list) is beyond the limits
};

struct MxlScore {
    MxlStatus status = MxlStatus::NoScore;
    std::string xml;  // the score document's bytes when Ok
};

// Archives with more entries than this are refused as too large.
inline constexpr long long kMaxMxlEntries = 10000;

// Extracts the score document; an entry holding more than `maxBytes` bytes
// (declared or actually inflated) gives TooLarge.
MxlScore ExtractMxlScore(std::string_view archive, size_t maxBytes);

}  // namespace sorvel::interchange
