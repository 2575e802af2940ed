// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The timing pass: every note's length in ticks (48 per quarter), the beat
// it starts on and its right-hand neighbour in the same run.
namespace sorvel {

class TMusicSheet;
class TMusicItem;

void ComputeTiming(TMusicSheet& page);

// The last symbol of the section that starts at `page`: the page itself and
// the following untitled pages; the last page of them that holds items is
// searched. None when it holds no symbol.
TMusicItem* LastSymbolOfSection(TMusicSheet& page);

}  // namespace sorvel
