// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Writes a book as a MusicXML 4.0 partwise score: one part with the erhu's
// instrument sound, its notes, rests, ties, triplets, key, time, tempo and
// every erhu mark in its MusicXML element.
#include <string>

#include "base/usertext.h"

namespace sorvel {
class TMusicBook;
}

namespace sorvel::interchange {

// The document text (UTF-8). Runs the timing pass on every page it reads.
// Characters of the book's texts that XML cannot hold (control characters,
// U+FFFE, U+FFFF) are left out; `leftOutCharacters`, when given, gets their count.
std::string WriteMusicXml(TMusicBook& book, int* leftOutCharacters = nullptr);

struct MusicXmlWriteResult {
    bool ok = false;
    UserText message;    // for the user; empty on success
    std::string detail;  // the system's reason
    int leftOutCharacters = 0;
    UserText summary;  // on success, what was left out; empty when nothing was
};

// Writes the document atomically to `path` (a temporary file renamed over it).
MusicXmlWriteResult ExportMusicXmlFile(TMusicBook& book, const std::string& path);

}  // namespace sorvel::interchange
