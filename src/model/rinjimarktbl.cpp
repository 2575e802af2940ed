// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/rinjimarktbl.h"

#include "base/arith.h"
#include "base/text.h"

namespace sorvel {

int TRinjiMarkTbl::Find(const std::string& content, int octave) const {
    for (int i = 0; i < count_; ++i) {
        const TRinjiInfo& e = entries_[static_cast<size_t>(i)];
        if (e.content == content && e.octave == octave) return i;
    }
    return -1;
}

void TRinjiMarkTbl::Set(const std::string& content, int octave, const std::string& rinji) {
    if (count_ >= kMaxEntries) return;
    int i = Find(content, octave);
    if (i < 0) i = count_++;
    entries_[static_cast<size_t>(i)] = {content, octave, rinji};
}

std::string TRinjiMarkTbl::Lookup(const std::string& content, int octave) const {
    int i = Find(content, octave);
    return i < 0 ? std::string() : entries_[static_cast<size_t>(i)].rinji;
}

std::string NoteName(int keyCode, int pitch) {
    // Rows of spellings; a blank follows every natural name.
    static const char* const kRows[16][12] = {
        {"C ", "C#", "D ", "D#", "E ", "F ", "F#", "G ", "G#", "A ", "Bb", "B "},
        {"C ", "C#", "D ", "D#", "E ", "F ", "F#", "G ", "G#", "A ", "A#", "B "},
        {"C ", "C#", "D ", "D#", "E ", "F ", "F#", "G ", "G#", "A ", "A#", "B "},
        {"C ", "C#", "D ", "D#", "E ", "E#", "F#", "G ", "G#", "A ", "A#", "B "},
        {"B#", "C#", "D ", "D#", "E ", "E#", "F#", "G ", "G#", "A ", "A#", "B "},
        {"B#", "C#", "D ", "D#", "E ", "E#", "F#", "G ", "G#", "A ", "A#", "B "},
        {"B#", "C#", "D ", "D#", "E ", "E#", "F#", "G ", "G#", "A ", "A#", "B "},
        {"B#", "C#", "D ", "D#", "E ", "E#", "F#", "G ", "G#", "A ", "A#", "B "},
        {"C ", "C#", "D ", "D#", "E ", "F ", "F#", "G ", "G#", "A ", "Bb", "B "},
        {"C ", "C#", "D ", "Eb", "E ", "F ", "F#", "G ", "G#", "A ", "Bb", "B "},
        {"C ", "C#", "D ", "Eb", "E ", "F ", "F#", "G ", "Ab", "A ", "Bb", "B "},
        {"C ", "Db", "D ", "Eb", "E ", "F ", "F#", "G ", "Ab", "A ", "Bb", "B "},
        {"C ", "Db", "D ", "Eb", "E ", "F ", "Gb", "G ", "Ab", "A ", "Bb", "B "},
        {"C ", "Db", "D ", "Eb", "E ", "F ", "Gb", "G ", "Ab", "A ", "Bb", "Cb"},
        {"C ", "Db", "D ", "Eb", "Fb", "F ", "Gb", "G ", "Ab", "A ", "Bb", "Cb"},
        {"C ", "Db", "D ", "Eb", "Fb", "F ", "Gb", "G ", "Ab", "A ", "Bb", "Cb"},
    };
    int row = ModTrunc(keyCode, 16), col = ModTrunc(pitch, 12);
    if (row < 0 || col < 0) return std::string();  // callers pass values of 0 or more
    return kRows[row][col];
}

int SelectByText(const std::vector<std::string>& entries, const std::string& text) {
    if (entries.empty()) return -1;
    const std::string_view wanted = Trim(text);
    for (size_t i = 0; i < entries.size(); ++i) {
        if (Trim(entries[i]) == wanted) return static_cast<int>(i);
    }
    return 0;
}

}  // namespace sorvel
