// SPDX-License-Identifier: GPL-3.0-or-later
#include "playback/conversion/expressivemarks.h"

#include "model/daon.h"
#include "model/musicmark.h"
#include "model/note.h"
#include "playback/conversion/playitems.h"

namespace sorvel {
namespace {

// Music-font codes of the marks read here.
constexpr char kFirstDynamic = '@';  // ppp; "A" pp … "G" fff
constexpr char kLastDynamic = 'G';
constexpr char kSforzando = 'H';
constexpr char kAccent = 'x';
constexpr char kStaccatissimo = 'y';
constexpr char kFermata = ')';
constexpr char kTrill = '[';
constexpr char kWavyLine = '\\';
constexpr char kUpperMordent = ']';
constexpr char kLowerMordent = 'p';
constexpr char kTurn = 's';
constexpr char kInvertedTurn = 'v';
constexpr char kVibrato = 'w';
constexpr char kTremolo = 'z';
constexpr char kSlideUp = '^';
constexpr char kSlideDown = '_';
constexpr char kGlissUp = '{';
constexpr char kGlissDown = '|';
constexpr char kCrescendo = 'I';
constexpr char kDecrescendo = 'J';

constexpr int kAccentVelocity = 20;
constexpr int kSforzandoVelocity = 30;

Ornament OrnamentOf(char code) {
    switch (code) {
        case kTrill:
        case kWavyLine:
            return Ornament::kTrill;
        case kUpperMordent:
            return Ornament::kUpperMordent;
        case kLowerMordent:
            return Ornament::kLowerMordent;
        case kTurn:
            return Ornament::kTurn;
        case kInvertedTurn:
            return Ornament::kInvertedTurn;
        case kTremolo:
            return Ornament::kTremolo;
        default:
            return Ornament::kNone;
    }
}

Slide SlideOf(char code) {
    switch (code) {
        case kSlideUp:
            return Slide::kUp;
        case kSlideDown:
            return Slide::kDown;
        case kGlissUp:
            return Slide::kGlissUp;
        case kGlissDown:
            return Slide::kGlissDown;
        default:
            return Slide::kNone;
    }
}

void ReadSign(NoteMarks& marks, char code) {
    if (const std::optional<int> velocity = DynamicVelocity(code)) {
        marks.dynamicVelocity = velocity;
        return;
    }
    switch (code) {
        case kSforzando:
            marks.accent = std::max(marks.accent, kSforzandoVelocity);
            return;
        case kAccent:
            marks.accent = std::max(marks.accent, kAccentVelocity);
            return;
        case kStaccatissimo:
            marks.staccatissimo = true;
            return;
        case kFermata:
            marks.fermata = true;
            return;
        case kVibrato:
            marks.vibrato = true;
            return;
        default:
            break;
    }
    if (marks.ornament == Ornament::kNone) marks.ornament = OrnamentOf(code);
    if (marks.slide == Slide::kNone) marks.slide = SlideOf(code);
}

}  // namespace

std::optional<int> DynamicVelocity(char code) {
    if (code < kFirstDynamic || code > kLastDynamic) return std::nullopt;
    const int level = code - kFirstDynamic;  // 0 … 7
    return 30 + (level * 90 + 3) / 7;
}

int HairpinDirection(const TMusicItem& mark) {
    if (mark.Class() != ItemClass::Cresc) return 0;
    const char code = CodeOf(&mark);
    return code == kCrescendo ? 1 : code == kDecrescendo ? -1 : 0;
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
    for (const TDaonSlot& slot : daon.Slots()) {
        if (slot.note.empty() || slot.note[0] < '1' || slot.note[0] > '7') break;
        group.notes[static_cast<std::size_t>(group.count++)] = {slot.note[0], slot.octave};
    }
    return group;
}

}  // namespace sorvel
