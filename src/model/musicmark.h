// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Marks that belong to a symbol: one-glyph signs and marks with a width
// (hairpins, slurs, arches, brackets, triplets).
#include "model/musicitem.h"

namespace sorvel {

class TMusicMark : public TMusicItem {
public:
    using TMusicItem::TMusicItem;
    // Where a new mark sits relative to its note, in per cent of the width
    // and height of "8": slides go before the note, the rest above it.
    virtual int AttachRateX() const;
    virtual int AttachRateY() const;
};

class TMusicSign : public TMusicMark {
public:
    static constexpr ItemClass kClass = ItemClass::MusicSign;
    using TMusicMark::TMusicMark;
    ItemClass Class() const override { return kClass; }
    const char* ClassName() const override { return "TMusicSign"; }
};

// Marks with a width; PosX is their left end.
class TMusicMark2 : public TMusicMark {
public:
    using TMusicMark::TMusicMark;
};

// Hairpins, slurs, arches, brackets and triplet marks, which span from PosX
// over Width.
class SpanningMark : public TMusicMark2 {
public:
    using TMusicMark2::TMusicMark2;
    bool HitTest(int x, int y) const override;

protected:
    // The default width: so many grid steps of the current layout.
    void InitWidth(int gridWidths);
};

template <ItemClass C, int GridWidths>
class SpanningMarkOf : public SpanningMark {
public:
    static constexpr ItemClass kClass = C;
    using SpanningMark::SpanningMark;
    ItemClass Class() const override { return C; }
    void InitDefaults() override { InitWidth(GridWidths); }
};

class TCresc : public SpanningMarkOf<ItemClass::Cresc, 3> {
public:
    using SpanningMarkOf::SpanningMarkOf;
    const char* ClassName() const override { return "TCresc"; }
};

class T3ren : public SpanningMarkOf<ItemClass::Ren3, 3> {
public:
    using SpanningMarkOf::SpanningMarkOf;
    const char* ClassName() const override { return "T3ren"; }
};

class TKakko : public SpanningMarkOf<ItemClass::Kakko, 4> {
public:
    using SpanningMarkOf::SpanningMarkOf;
    const char* ClassName() const override { return "TKakko"; }
};

class TSlur : public SpanningMarkOf<ItemClass::Slur, 2> {
public:
    using SpanningMarkOf::SpanningMarkOf;
    const char* ClassName() const override { return "TSlur"; }
    int archHeight = 0;  // computed by drawing
};

class TRenTon : public SpanningMarkOf<ItemClass::RenTon, 2> {
public:
    using SpanningMarkOf::SpanningMarkOf;
    const char* ClassName() const override { return "TRenTon"; }
    int archHeight = 0;  // computed by drawing
};

}  // namespace sorvel
