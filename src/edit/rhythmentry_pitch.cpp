// SPDX-License-Identifier: GPL-3.0-or-later
// Rhythm entry's pitches: the octave a digit takes by the note before it,
// accidentals on the note just typed, and the grace notes typed before a
// note, written as the group of grace notes the palette places on it.
#include <algorithm>
#include <string>
#include <vector>

#include "edit/nearestoctave.h"
#include "edit/rhythmentry.h"
#include "model/daon.h"
#include "model/glyphcodes.h"
#include "model/itemfactory.h"
#include "model/musicsheet.h"
#include "model/note.h"

namespace sorvel {
namespace {

constexpr std::size_t kGraceSlots = 4;

}  // namespace

int RhythmEntry::OctaveFor(char digit) const {
    if (!nearestOctave_) return 0;
    // The last two pitches typed, the latest first: waiting grace notes,
    // then each note as it sounds (its accidental too) and its grace notes.
    struct Pitched {
        int pitch, octave;
    };
    std::vector<Pitched> found;
    const auto take = [&found](int pitch, int octave) {
        if (found.size() < 2) found.push_back({pitch, octave});
    };
    const auto takeGraces = [&take](const std::vector<Grace>& graces) {
        for (auto g = graces.rbegin(); g != graces.rend(); ++g) {
            take(SoundingPitch(g->digit, g->octave, {}), g->octave);
        }
    };
    takeGraces(run_.graces);
    for (auto n = run_.notes.rbegin(); n != run_.notes.rend() && found.size() < 2; ++n) {
        if (n->digit != kRestCode) {
            const std::string rinji = n->head ? n->head->Rinji() : std::string();
            take(SoundingPitch(n->digit, n->octave, rinji), n->octave);
        }
        takeGraces(n->graces);
    }
    if (found.empty()) return 0;  // a run's first note: the middle octave
    const int step = found.size() > 1 ? found[0].pitch - found[1].pitch : 0;
    return NearestOctave(digit, found[0].pitch, found[0].octave, step);
}

bool RhythmEntry::ArmGrace() {
    if (run_.graces.size() >= kGraceSlots) {
        notice_ = EntryNotice::kGraceFull;
        return false;
    }
    run_.graceArmed = true;
    return true;
}

bool RhythmEntry::TypeGrace(char digit) {
    if (!run_.graceArmed) return false;
    if (digit < '1' || digit > '7') {
        notice_ = EntryNotice::kGraceWaits;
        return false;
    }
    run_.graceArmed = false;
    const int octave = std::clamp(OctaveFor(digit), -kGraceOctaveLimit, kOctaveLimit);
    run_.graces.push_back({digit, octave});
    return true;
}

bool RhythmEntry::ToggleAccidental(char code) {
    if (!run_.graces.empty()) {
        notice_ = EntryNotice::kGraceNoAccidental;
        return false;
    }
    if (run_.notes.empty()) return false;
    TNote* head = run_.notes.back().head;
    if (run_.notes.back().digit == kRestCode || !head) return false;
    const std::string glyph(1, code);
    head->SetRinji(head->Rinji() == glyph ? std::string() : glyph);
    return true;
}

void RhythmEntry::WriteGraces(TypedNote& note) {
    if (run_.graces.empty() || !note.head) return;
    // Three characters a slot: the degree, the octave + 3, no finger number.
    std::string slots;
    for (std::size_t i = 0; i < kGraceSlots; ++i) {
        if (i < run_.graces.size()) {
            slots += run_.graces[i].digit;
            slots += static_cast<char>('0' + run_.graces[i].octave + 3);
        } else {
            slots += " 3";
        }
        slots += ' ';
    }
    TDaonLeft* group = CreateItem<TDaonLeft>(note.head->Sheet());
    group->SetContent(std::string(1, kGraceBeforeCode));
    group->SetAllNoteData(slots);
    PlaceMarkOnNote(*group, *note.head, eight_, {});
    note.graces = std::move(run_.graces);
    run_.graces.clear();
}

}  // namespace sorvel
