// SPDX-License-Identifier: GPL-3.0-or-later
// The marks of a note carried into the plan: signs become notations or the
// directions before the note, tempo marks and text boxes directions, grace
// groups grace notes; spanning marks are kept for the second step. Marks
// drawn over a note without a link go with the note they sit on.
#include <algorithm>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

#include "interchange/musicxmlwriter_planner.h"
#include "model/daon.h"
#include "model/itemtraits.h"
#include "model/musicsheet.h"
#include "model/note.h"
#include "model/tempo.h"
#include "model/textbox.h"

namespace sorvel::interchange::xmlwrite {
namespace {

const TNote* NoteUnder(const TMusicSheet& page, const std::vector<const TNote*>& notes,
                       const TMusicItem& mark) {
    const int band = page.RowInterval() > 0 ? page.RowInterval() / 2 : 73;
    const int grid = std::max(page.GridSize(), 1);
    const TNote* best = nullptr;
    int bestDx = 0, bestDy = 0;
    for (const TNote* note : notes) {
        const int dy = std::abs(note->PosY() - mark.PosY());
        int dx = std::abs(note->PosX() - mark.PosX());
        if (mark.AnchoredAtLeft()) {
            if (note->PosX() < mark.PosX() - grid ||
                note->PosX() > mark.PosX() + std::max(mark.Width(), grid))
                continue;
            dx = note->PosX() - (mark.PosX() - grid);
        } else if (dx > grid) {
            continue;
        }
        if (dy > band) continue;
        if (!best || dy < bestDy || (dy == bestDy && dx < bestDx))
            best = note, bestDx = dx, bestDy = dy;
    }
    return best;
}

bool IsSlideCode(char c) {
    return c == markcode::kSlideUp || c == markcode::kSlideDown || c == markcode::kGlissUp ||
           c == markcode::kGlissDown;
}

}  // namespace

LooseMarks FindLooseMarks(const TMusicSheet& page) {
    LooseMarks loose;
    std::vector<const TNote*> notes;
    for (int i = 0; i < page.ItemCount(); ++i) {
        if (const TNote* note = page.GetItem(i)->As<TNote>()) notes.push_back(note);
    }
    for (int i = 0; i < page.ItemCount(); ++i) {
        const TMusicItem& item = *page.GetItem(i);
        if (item.LinkCount() > 0 || item.IsSymbol()) continue;
        // Signs, spans and grace groups belong to the note under them;
        // triplets are read from their notes, tempos and texts stand alone.
        const ItemTraits& traits = TraitsOf(item);
        const bool noteMark = item.Class() == ItemClass::MusicSign || traits.graceGroup ||
                              (traits.spanning && item.Class() != ItemClass::Ren3);
        if (!noteMark) continue;
        if (const TNote* note = NoteUnder(page, notes, item)) loose[note].push_back(&item);
    }
    return loose;
}

void Planner::CollectMarks(const TNote& note, Event& e) {
    std::vector<const TMusicItem*> marks(note.Links().begin(), note.Links().end());
    if (const auto it = loose_.find(&note); it != loose_.end())
        marks.insert(marks.end(), it->second.begin(), it->second.end());
    for (const TMusicItem* link : marks) {
        const ItemTraits& traits = TraitsOf(*link);
        if (link->Class() == ItemClass::MusicSign) {
            AddSign(CodeOf(*link), e);
        } else if (traits.spanning && link->Class() != ItemClass::Ren3) {
            if (spansSeen_.insert(link).second) plan_.spans.push_back({link, &note});
        } else if (traits.graceGroup) {
            std::vector<OutNote> graces = Graces(*static_cast<const TDaon*>(link));
            auto& into = link->Class() == ItemClass::DaonLeft ? e.gracesBefore : e.gracesAfter;
            into.insert(into.end(), graces.begin(), graces.end());
        } else if (const TTempo* tempo = link->As<TTempo>()) {
            if (auto d = TempoDirection(*tempo)) e.before.push_back(*d);
        } else if (link->Class() == ItemClass::TextBox) {
            OnLooseMark(*link);
        }
    }
    // Directions of loose marks met before the note stand before it too.
    e.before.insert(e.before.begin(), pendingDirs_.begin(), pendingDirs_.end());
    pendingDirs_.clear();
}

void Planner::CollectArcs(const TNote& note) {
    for (const TMusicItem* link : note.Links()) {
        if (IsArc(link) && spansSeen_.insert(link).second) plan_.spans.push_back({link, &note});
    }
}

void Planner::AddSign(char code, Event& e) {
    if (IsSlideCode(code)) {
        e.slideIn = code;
        return;
    }
    const MarkCode* mark = MarkOfCode(code);
    if (!mark) return;
    OutDirection d;
    switch (mark->place) {
        case MarkPlace::Dynamics:
            d.kind = OutDirection::Kind::Dynamics;
            d.text = mark->element;
            d.below = true;
            break;
        case MarkPlace::Segno:
            d.kind = OutDirection::Kind::Segno;
            d.soundAttribute = kSoundSegno;
            d.soundValue = kSoundSegno;
            break;
        case MarkPlace::Coda:
            // The piece's last coda sign is the coda; the others send the
            // play there after its note, once a D.S. or D.C. has been taken.
            if (jumps_.codas.contains(e.note)) {
                d.kind = OutDirection::Kind::Coda;
                d.soundAttribute = kSoundCoda;
                d.soundValue = kSoundCoda;
            } else {
                // Written with its sound where the jump is taken, after the
                // note: a To Coda at a measure's start leaves before it.
                d.text = kToCodaWords;
                d.soundAttribute = kSoundToCoda;
                d.soundValue = kSoundCoda;
                e.after.push_back(d);
                e.jumpsAfter = true;
                return;
            }
            break;
        case MarkPlace::Words: {
            d.text = mark->text;
            if (const auto end = jumps_.returnEnds.find(e.note);
                end != jumps_.returnEnds.end() &&
                (code == markcode::kDalSegno || code == markcode::kDaCapo))
                d.text += end->second;
            // Fine, D.S. and D.C. act after their note has sounded: their
            // playback goes in a sound of its own after the note.
            if (code == markcode::kFine) JumpAfter(e, kSoundFine, "yes");
            if (code == markcode::kDalSegno) JumpAfter(e, kSoundDalSegno, kSoundSegno);
            if (code == markcode::kDaCapo) JumpAfter(e, kSoundDaCapo, "yes");
            break;
        }
        default:
            e.marks.push_back(mark);
            return;
    }
    e.before.push_back(d);
}

void Planner::JumpAfter(Event& e, const char* attribute, const char* value) {
    OutDirection jump;
    jump.soundAttribute = attribute;
    jump.soundValue = value;
    e.soundAfter.push_back(jump);
    e.jumpsAfter = true;
}

std::optional<OutDirection> Planner::TempoDirection(const TTempo& tempo) {
    if (tempo.Tempo() <= 0) return std::nullopt;
    OutDirection d;
    d.kind = OutDirection::Kind::Tempo;
    d.printed = tempo.PrintMode() != 0;
    if (tempo.TempoUnit() == 0) {
        d.perMinute = tempo.Tempo();
        // Playback starts a piece without a page tempo at its first note's mark.
        if (baseTempo_ == 0 && pieceFirstNote_) baseTempo_ = d.perMinute;
    } else if (baseTempo_ > 0) {
        d.perMinute = baseTempo_ * tempo.Tempo() / 100;
    }
    if (d.perMinute > 0) {
        // A mark that restates the tempo in force (the page tempo shown in
        // the header) says nothing new.
        if (d.perMinute == tempoInForce_) return std::nullopt;
        tempoInForce_ = d.perMinute;
        d.soundAttribute = "tempo";
        d.soundValue = std::to_string(d.perMinute);
    } else {
        d.text = std::to_string(tempo.Tempo()) + "%";  // no tempo to take it of
    }
    return d;
}

std::vector<OutNote> Planner::Graces(const TDaon& daon) {
    std::vector<OutNote> graces;
    // The slots up to the first empty one are the group's notes.
    for (int i = 0; i < daon.UsedSlotCount(); ++i) {
        const DaonSlot& slot = daon.Slots()[static_cast<size_t>(i)];
        if (slot.note[0] < '1' || slot.note[0] > '7') continue;
        OutNote g;
        g.grace = true;
        g.pitch = SpellDegree(key_, Degree{slot.note[0] - '0', 0, slot.octave});
        g.type = TypeOfUnderlines(std::max(daon.Length(), 1));
        if (!slot.finger.empty()) {
            const MarkCode* finger = MarkOfCode(slot.finger[0]);
            if (finger && finger->place == MarkPlace::Technical) g.marks.push_back(finger);
        }
        graces.push_back(g);
    }
    return graces;
}

void Planner::OnLooseMark(const TMusicItem& mark) {
    Flush();
    if (const TTempo* tempo = mark.As<TTempo>()) {
        if (auto d = TempoDirection(*tempo)) pendingDirs_.push_back(*d);
        return;
    }
    std::string text;
    for (const std::string& line : mark.As<TTextBox>()->Lines()) {
        const std::string l = Text(line);
        if (l.empty()) continue;
        if (!text.empty()) text += '\n';
        text += l;
    }
    if (text.empty()) return;
    OutDirection d;
    d.text = std::move(text);
    pendingDirs_.push_back(d);
}

}  // namespace sorvel::interchange::xmlwrite
