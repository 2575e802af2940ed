// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What each character code of the music font is: its content kind (fixed)
// and three scale rates that follow the settings of the current page.
#include <array>
#include <string_view>

#include "model/contentkind.h"
#include "model/offsetrates.h"

namespace sorvel {

struct GlyphInfo {
    TContentKind Kind = ckNone;
    int SizeRate = 0;    // per cent of the page's NoteFontSize
    int HeightRate = 0;  // per cent of the text height
    int OffsetRate = 0;  // per cent of the height of "8", above the note
};

class GlyphInfoTable {
public:
    static constexpr int kSize = 128;
    static constexpr unsigned char kSharp = 96;  // its SizeRate sizes every accidental

    GlyphInfoTable();  // kinds filled, rates as for all-zero offset rates

    // The constant kind of a character code; codes outside 32..127 are ckNone.
    static TContentKind KindOf(unsigned char code);

    // Sets the three rates of every entry from its kind and the page's rates.
    void RefreshRates(const OffsetRates& rates);

    // The entry of a code; codes outside 32..127 give an all-zero entry.
    const GlyphInfo& Lookup(unsigned char code) const;

    // The entry for the first character of a content. An empty content is
    // ckNone with a height rate of 100.
    GlyphInfo LookupContent(std::string_view content) const;

private:
    std::array<GlyphInfo, kSize> entries_{};
};

}  // namespace sorvel
