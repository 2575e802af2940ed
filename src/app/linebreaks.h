// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where a line of UTF-8 text may break, for the terminal (--help) and for the
// manual page: at spaces, and between East Asian characters, which are two
// columns wide and separated by no space, except before closing punctuation
// and after opening punctuation.
#include <string>
#include <string_view>
#include <vector>

namespace sorvel {

// A piece of text that is never broken, and whether a space stands before it.
struct LinePiece {
    std::string text;
    int columns = 0;  // its width in a terminal
    bool spaceBefore = false;
};

// The text in pieces; a line may break before any piece. Spaces are dropped
// (each piece says whether one stood before it).
std::vector<LinePiece> SplitAtBreaks(std::string_view text);

}  // namespace sorvel
