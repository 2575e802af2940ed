// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A group of up to four small grace notes written before (left) or after
// (right) a note, each slot a digit, an octave and a finger number.
#include <array>
#include <optional>
#include <string>

#include "model/musicmark.h"

namespace sorvel {

struct DaonSlot {
    std::string note;  // "1".."7" or empty
    int octave = 0;
    std::string finger;  // "T".."X" or empty
    bool operator==(const DaonSlot&) const = default;
};

using TDaonSlots = std::array<DaonSlot, 4>;

class TDaon : public TMusicMark2 {
public:
    TDaon(TMusicSheet& sheet, int direction);
    const PropertyTable& Properties() const override;
    void InitDefaults() override;

    int Direction() const { return direction_; }  // -1 left, +1 right
    int Length() const { return length_; }
    void SetLength(int v) { ChangeInt(length_, v, "Length"); }

    // Twelve characters, three per slot: note (blank if none), octave + 3 as
    // one digit, finger number (blank if none).
    std::string AllNoteData() const;
    // Validates the whole text before assigning anything: a text whose octave
    // position is missing or not a digit changes nothing and returns false.
    // Finger positions cut short read as blank.
    bool SetAllNoteData(const std::string& text);
    static std::optional<TDaonSlots> ParseAllNoteData(const std::string& text);

    const TDaonSlots& Slots() const { return slots_; }
    // Index of the first slot without a note (4 when all are used).
    int UsedSlotCount() const;

    bool HitTest(int x, int y) const override;

    // Drawing caches: width of "5" in the small font, centre of the small notes.
    int digitWidth = 0;
    int centerX = 0, centerY = 0;

private:
    void SetAllNoteDataProperty(const std::string& text) { SetAllNoteData(text); }

    int length_ = 0;
    int direction_;
    TDaonSlots slots_{};
};

class TDaonLeft : public TDaon {
public:
    static constexpr ItemClass kClass = ItemClass::DaonLeft;
    explicit TDaonLeft(TMusicSheet& sheet) : TDaon(sheet, -1) {}
    ItemClass Class() const override { return kClass; }
    const char* ClassName() const override { return "TDaonLeft"; }
};

class TDaonRight : public TDaon {
public:
    static constexpr ItemClass kClass = ItemClass::DaonRight;
    explicit TDaonRight(TMusicSheet& sheet) : TDaon(sheet, 1) {}
    ItemClass Class() const override { return kClass; }
    const char* ClassName() const override { return "TDaonRight"; }
};

}  // namespace sorvel
