// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The take's tempo in the large, which the aligner weighs timing and lengths
// by, found by trying tempos: the take's length alone misleads when it runs on.
#include <vector>

#include "practice/takealign.h"
#include "practice/writtennotes.h"

namespace sorvel::practice {

// The written notes aligned with the heard ones at the tempo that fits them
// best. Tried: the take's length over the written beats (a take of the page
// alone), the written tempo from half to twice as fast (a take that plays on
// past the page or rests long in it), and the tempo of the notes so matched.
std::vector<NoteMatch> AlignAtTakeTempo(const std::vector<WrittenNote>& written,
                                        const std::vector<HeardPitch>& heard);

}  // namespace sorvel::practice
