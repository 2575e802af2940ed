// SPDX-License-Identifier: GPL-3.0-or-later
#include "playback/conversion/expressivemarks.h"

#include "model/daon.h"
#include "model/musicmark.h"
#include "model/note.h"
#include "playback/conversion/playitems.h"

namespace sorvel {
namespace {

constexpr int kAccentVelocity = 20;
constexpr int kSforzandoVelocity = 30;

void ReadSign(NoteMarks& marks, char code) {
    const MarkMeaning* meaning = MeaningOf(code);
    if (!meaning) return;
    switch (meaning->kind) {
        case MarkKind::kDynamic:
            marks.dynamicVelocity = DynamicVelocity(code);
            return;
        case MarkKind::kSforzando:
            marks.accent = std::max(marks.accent, kSforzandoVelocity);
            return;
        case MarkKind::kAccent:
            marks.accent = std::max(marks.accent, kAccentVelocity);
            return;
        case MarkKind::kStaccatissimo:
            marks.staccatissimo = true;
            return;
        case MarkKind::kFermata:
            marks.fermata = true;
            return;
        case MarkKind::kVibrato:
            marks.vibrato = true;
            return;
        case MarkKind::kOrnament:
            if (marks.ornament == Ornament::kNone) marks.ornament = OrnamentOf(code);
            return;
        case MarkKind::kSlide:
            if (marks.slide == Slide::kNone) marks.slide = SlideOf(code);
            return;
        case MarkKind::kHairpin:
        case MarkKind::kJump:
        case MarkKind::kVolta:
            return;
    }
}

}  // namespace

std::optional<int> DynamicVelocity(char code) {
    const std::optional<int> level = DynamicLevelOf(code);
    if (!level) return std::nullopt;
    return 30 + (*level * 90 + 3) / 7;
}

int HairpinDirection(const TMusicItem& mark) {
    if (mark.Class() != ItemClass::Cresc) return 0;
    return HairpinDirectionOf(CodeOf(&mark));
}

NoteMarks ReadNoteMarks(const TNote& note) {
    NoteMarks marks;
    for (const TMusicItem* link : note.Links()) {
        if (link->Class() == ItemClass::MusicSign) {
            ReadSign(marks, CodeOf(link));
        } else if (const TDaonLeft* before = link->As<TDaonLeft>()) {
            if (!marks.gracesBefore) marks.gracesBefore = before;
        } else if (const TDaonRight* after = link->As<TDaonRight>()) {
            if (!marks.gracesAfter) marks.gracesAfter = after;
        }
    }
    return marks;
}

GraceGroup GraceNotesOf(const TDaon& daon) {
    GraceGroup group;
    for (const DaonSlot& slot : daon.Slots()) {
        if (slot.note.empty() || slot.note[0] < '1' || slot.note[0] > '7') break;
        group.notes[static_cast<std::size_t>(group.count++)] = {slot.note[0], slot.octave};
    }
    return group;
}

}  // namespace sorvel
