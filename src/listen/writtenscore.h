// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Written music as the imported score the book builder lays out: measures
// cut at the bar lines with ties over them, triplet spans, pitches spelt in
// the key, the erhu's marks as their signs and the tempo changes.
#include <cstddef>
#include <string>
#include <vector>

#include "interchange/importedscore.h"
#include "listen/writtenmusic.h"

namespace sorvel::listen {

struct WrittenScore {
    interchange::ImportedScore score;
    // For each written note: its first piece in the score (measure, note).
    std::vector<std::pair<size_t, size_t>> firstPiece;
};

// `title` is UTF-8.
WrittenScore ScoreOfWritten(const WrittenMusic& music, const std::string& title);

// The spelling of a MIDI note in the major key of `fifths`: the scale's own
// letters, and outside the scale ♯1, ♭3, ♯4, ♯5, ♭7.
interchange::XmlPitch SpellInKey(int midi, int fifths);

}  // namespace sorvel::listen
