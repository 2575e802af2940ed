// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Lays an imported part out as an ordinary book: rows of the book's default
// layout, each bar in its share of a row with its notes placed in proportion
// to time, marks linked to their notes where the editor would put them, and
// new untitled pages as the rows run out.
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "interchange/importedscore.h"

namespace sorvel {
class TMusicBook;
struct ModelEnv;
}  // namespace sorvel

namespace sorvel::interchange {

struct BuiltBook {
    std::unique_ptr<TMusicBook> book;
    // The reader's list of what was left out, followed by what the book
    // could not hold (meters it has no sign for, key changes, …).
    std::vector<std::pair<std::string, int>> leftOut;
    // What the book holds in a form of its own (a key change as a new page,
    // a sextuplet as two triplets), with how often.
    std::vector<std::pair<std::string, int>> rewritten;
    int notes = 0;  // numerals written for sounding notes
    int measures = 0;
};

// Builds the book in `env` (which must outlive it). Nothing is recorded for
// undo. `fallbackTitle` (UTF-8) names the piece when the score has no title.
BuiltBook BuildBook(const ImportedScore& score, ModelEnv& env, const std::string& fallbackTitle);

}  // namespace sorvel::interchange
