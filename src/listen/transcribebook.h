// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The book of a transcription: written music laid out by the imported-score
// builder (bar layout, rows, pages), the numerals of the notes to check, and
// the one-line summary the window and the command line show.
#include <memory>
#include <string>
#include <vector>

#include "base/usertext.h"
#include "listen/heardmelody.h"
#include "listen/writtenmusic.h"

namespace sorvel {
class TMusicBook;
class TNote;
struct ModelEnv;
}  // namespace sorvel

namespace sorvel::listen {

struct TranscribedBook {
    std::unique_ptr<TMusicBook> book;
    std::vector<TNote*> uncertain;  // the numerals of the uncertain notes, in play order
    int notes = 0;                  // numerals of sounding notes written
};

// Builds the book in `env` (which must outlive it); `title` is UTF-8.
// Nothing is recorded for undo.
TranscribedBook BuildTranscribedBook(const WrittenMusic& music, const std::string& title,
                                     ModelEnv& env);

// "notes, 1=, time signature, tempo, uncertain notes", and warnings about
// the recording's level.
UserText TranscriptionSummary(const WrittenMusic& music, const HeardMelody& melody);

// The key as numbered notation names it: "D", "♭B", "♯F".
std::string JianpuKeyName(int fifths);

}  // namespace sorvel::listen
