// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The major key a melody is written in (its 1=): the pitch classes weighted
// by how long they sound, matched with the degrees a tune in numbered
// notation uses; the final note and the erhu's common keys tip close calls.
#include <vector>

namespace sorvel::listen {

struct KeyedPitch {
    int midi = 60;
    double weight = 1;  // how long it sounds (seconds or beats)
};

// The key as a number of fifths (-5 … 6: D♭ … F♯ major); 0 (C) for no notes.
// The last pitch counts as the melody's final note.
int FindKey(const std::vector<KeyedPitch>& pitches);

}  // namespace sorvel::listen
