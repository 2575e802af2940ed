#pragma once
// Where a mark put on a note stands: beside the note by shares of the size of
// "8" in the page's note font (slides before the note, every other mark above
// it), linked with the note both ways. The palette, typed mark keys and
// rhythm entry's grace notes all place marks by it. No Qt.

namespace sorvel {

class TMusicMark;
class TNote;

// The text size of "8" in the page's note font, measured by whoever draws.
struct EightSize {
    int width = 0;
    int height = 0;
};

// Moves `mark` to its place on `note` and links the two; every change is
// recorded (the caller holds the undo group).
void AttachMark(TMusicMark& mark, TNote& note, EightSize eight);

}  // namespace sorvel
