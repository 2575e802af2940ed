// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Reads one part of a MusicXML score (partwise; plain .musicxml/.xml or
// compressed .mxl) into an ImportedScore. Bounded: hostile or huge input
// gives a message, never a crash or an unbounded allocation.
#include <string>
#include <string_view>

#include "base/usertext.h"
#include "interchange/importedscore.h"

namespace sorvel::interchange {

struct MusicXmlReadResult {
    bool ok = false;
    UserText message;     // for the user (context "sorvel::interchange"); empty when ok
    ImportedScore score;  // filled when ok
};

// Input larger than this is refused (a 2,000-note score is about 1 MB).
inline constexpr size_t kMaxMusicXmlBytes = 64u << 20;

// `partNumber` 0 reads the first part that holds notes; N ≥ 1 reads part N.
// Bytes starting with "PK" are taken as a compressed .mxl.
MusicXmlReadResult ReadMusicXmlBytes(std::string_view bytes, int partNumber = 0);
MusicXmlReadResult ReadMusicXmlFile(const std::string& path, int partNumber = 0);

}  // namespace sorvel::interchange
