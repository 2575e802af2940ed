// SPDX-License-Identifier: GPL-3.0-or-later
// The measures of one MusicXML part: positions from durations, <backup> and
// <forward>, attributes and barlines, and the marks of directions placed on
// the notes at their onsets; gaps between the kept notes filled with rests.
#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "base/arith.h"
#include "interchange/musicxmlreader_partreader.h"
#include "interchange/musicxmlvocabulary.h"
#include "model/glyphcodes.h"

namespace sorvel::interchange::xmlread {
namespace {

// Signs stand in one order whatever order the file gave them in: dynamics,
// bowings, strings, fingers, other technique, ornaments, articulations,
// fermata, then the direction signs.
int SignRank(char code) {
    const MarkCode* mark = MarkOfCode(code);
    if (mark == nullptr) return 9;
    switch (mark->place) {
        case MarkPlace::Dynamics:
            return 0;
        case MarkPlace::Technical:
            if (mark->element == "up-bow" || mark->element == "down-bow") return 1;
            if (mark->element == "string") return 2;
            if (mark->element == "fingering") return 3;
            return 4;
        case MarkPlace::Ornaments:
            return 5;
        case MarkPlace::Articulations:
            return 6;
        case MarkPlace::Fermata:
            return 7;
        default:
            return 8;
    }
}

void OrderSigns(std::string& signs) {
    // A wavy line drawn from the note stands for its trill sign.
    const char wavy = CodeOfElement(MarkPlace::Ornaments, "wavy-line");
    const char trill = CodeOfElement(MarkPlace::Ornaments, "trill-mark");
    if (signs.find(wavy) != std::string::npos) std::erase(signs, trill);
    std::stable_sort(signs.begin(), signs.end(),
                     [](char a, char b) { return SignRank(a) < SignRank(b); });
}

}  // namespace

double PartReader::Quarters(pugi::xml_node holder) const {
    double d = 0;
    if (!ParseNumber(TextOf(holder.child("duration")), d) || d <= 0) return 0;
    return d / divisions_;
}

int PartReader::TickAt(double quarters) const {
    return RoundHalfEven(phase_ + quarters * kTicksPerQuarter) - RoundHalfEven(phase_);
}

// The measure lasts to the end of its longest voice; the next one starts
// there, off the tick grid as much as this one ended off it.
void PartReader::TakeLength(ImportedMeasure& m) {
    m.length = TickAt(maxPos_);
    const double end = phase_ + maxPos_ * kTicksPerQuarter;
    phase_ = end - 2 * std::floor(end / 2);
}

void PartReader::Move(double quarters) {
    pos_ = std::clamp(pos_ + quarters, 0.0, kMaxMeasureQuarters);
    maxPos_ = std::max(maxPos_, pos_);
}

void PartReader::Read(pugi::xml_node part) {
    int beyond = 0;
    size_t notes = 0;
    for (pugi::xml_node measure : part.children("measure")) {
        if (score_.measures.size() >= kMaxMeasures || notes >= kMaxNotes) {
            ++beyond;
            continue;
        }
        ImportedMeasure& m = score_.measures.emplace_back();
        ReadMeasure(measure, m);
        notes += m.notes.size();
    }
    if (beyond > 0) tally_.Count(kMeasuresBeyondLimit, beyond);
    // Marks after the last note stand at it.
    if (lastMeasureWithNotes_ >= 0) {
        ImportedMeasure& last = score_.measures[static_cast<size_t>(lastMeasureWithNotes_)];
        for (PlacedMarks& p : carried_) p.tick = kEndOfMeasure;
        for (const PlacedMarks& p : carried_) PlaceMarks(last, p);
        for (ImportedNote& n : last.notes) OrderSigns(n.signs);
    }
    ResolveRepeats(score_.measures);
    WriteOutReturn(score_);
}

void PartReader::ReadMeasure(pugi::xml_node measure, ImportedMeasure& m) {
    pos_ = maxPos_ = chordOnset_ = voiceEnd_ = 0;
    chordOpen_ = false;
    lastPitched_ = -1;
    kept_.clear();
    graces_.clear();
    placed_.clear();
    tuplet_.reset();
    tuplets_.clear();
    m.number = AttrOf(measure, "number");
    m.ending = openEnding_;
    for (pugi::xml_node c = measure.first_child(); c; c = c.next_sibling()) {
        if (c.type() != pugi::node_element) continue;
        const std::string_view name = c.name();
        if (name == "note") {
            ReadNote(c);
        } else if (name == "backup" || name == "forward") {
            CloseChord();
            const double q = std::min(Quarters(c), kMaxMeasureQuarters);
            Move(name == "backup" ? -q : q);
        } else if (name == "direction") {
            double offset = 0;
            if (ParseNumber(TextOf(c.child("offset")), offset)) {
                offset = std::clamp(offset / divisions_, -kMaxMeasureQuarters, kMaxMeasureQuarters);
            }
            const int tick = TickAt(std::clamp(pos_ + offset, 0.0, kMaxMeasureQuarters));
            const std::string_view staff = TextOf(c.child("staff"));
            if (staff.empty() || staff == "1") {
                DirectionMarks marks = ReadDirection(c, tally_);
                TakeForwardRepeat(marks, m);
                TakeDirection(std::move(marks), tick);
            } else {
                TakeOtherStaffDirection(c);
            }
        } else if (name == "sound") {
            DirectionMarks marks;
            ReadSound(c, marks);
            TakeForwardRepeat(marks, m);
            TakeDirection(std::move(marks), TickNow(), true);
        } else if (name == "attributes") {
            ReadAttributes(c, m);
        } else if (name == "barline") {
            ReadBarline(c, m);
        } else if (name == "harmony") {
            tally_.Count(kChordSymbols);
        } else if (name == "print" || name == "bookmark" || name == "link" || name == "grouping" ||
                   name == "listening") {
            // Layout and links: nothing of the music.
        } else {
            tally_.Unsupported(name);
        }
    }
    FinishMeasure(m);
}

void PartReader::ReadAttributes(pugi::xml_node attributes, ImportedMeasure& m) {
    double divisions = 0;
    if (ParseNumber(TextOf(attributes.child("divisions")), divisions) && divisions > 0) {
        divisions_ = divisions;
    }
    // The transposition first: the key written beside it is the written key.
    bool transposed = false;
    for (pugi::xml_node transpose : attributes.children("transpose")) {
        const std::string_view number = AttrOf(transpose, "number");
        if (!number.empty() && number != "1") continue;
        transposition_ = ReadTransposition(transpose);
        transposed = true;
        break;
    }
    bool keyRead = false;
    for (pugi::xml_node key : attributes.children("key")) {
        const std::string_view number = AttrOf(key, "number");
        if (!number.empty() && number != "1") continue;
        if (!key.child("fifths")) {
            tally_.Unsupported("key");
            break;
        }
        TakeKey(IntOf(TextOf(key.child("fifths")), 0, -7, 7), m);
        keyRead = true;
        break;
    }
    // A new transposition under the same written key changes the sounding key.
    if (transposed && !keyRead && keySeen_) TakeKey(writtenFifths_, m);
    for (pugi::xml_node time : attributes.children("time")) {
        const std::string_view number = AttrOf(time, "number");
        if (!number.empty() && number != "1") continue;
        int beats = 0;
        int beatType = 0;
        if (!time.child(kSenzaMisura)) {
            // Additive meters ("3+2") count all their beats.
            std::string_view text = TextOf(time.child(kTimeBeats));
            while (!text.empty()) {
                const size_t plus = text.find('+');
                beats += IntOf(text.substr(0, plus), 0, 0, 999);
                text = plus == std::string_view::npos ? std::string_view{} : text.substr(plus + 1);
            }
            beats = std::min(beats, 999);
            beatType = IntOf(TextOf(time.child(kTimeBeatType)), 0, 0, 999);
        }
        if (!timeSeen_ || beats != beats_ || beatType != beatType_) {
            m.beats = beats;
            m.beatType = beatType;
        }
        timeSeen_ = true;
        beats_ = beats;
        beatType_ = beatType;
        break;
    }
    for (pugi::xml_node style : attributes.children("measure-style")) {
        for (pugi::xml_node c = style.first_child(); c; c = c.next_sibling()) {
            if (c.type() != pugi::node_element) continue;
            const std::string_view name = c.name();
            if (name == "multiple-rest") {
                const int count = IntOf(TextOf(c), 0, 0, 9999);
                if (count > 1) m.multiRest = count;
            } else {
                tally_.Unsupported(name);
            }
        }
    }
}

void PartReader::TakeKey(int writtenFifths, ImportedMeasure& m) {
    writtenFifths_ = writtenFifths;
    const int fifths = SoundingFifths(writtenFifths, transposition_);
    if (!keySeen_) {
        score_.fifths = fifths;
        keySeen_ = true;
    } else if (fifths != fifths_) {
        m.keyChange = true;
        m.fifths = fifths;
    }
    fifths_ = fifths;
}

void PartReader::ReadBarline(pugi::xml_node barline, ImportedMeasure& m) {
    std::string_view location = AttrOf(barline, "location");
    if (location.empty()) location = kBarRight;
    const bool right = location == kBarRight;
    const std::string_view repeat = AttrOf(barline.child("repeat"), "direction");
    if (right) {
        const char code =
            CodeOfRightBarLine(TextOf(barline.child("bar-style")), repeat == kRepeatBackward);
        if (code == 0) {
            tally_.Unsupported("bar-style");
        } else if (code != kPlainBarLine) {
            m.rightBar = code;
        }
    } else if (location == kBarLeft && repeat == kRepeatForward) {
        m.repeatForward = true;
        m.repeatForwardImplied = false;
    }
    if (pugi::xml_node ending = barline.child("ending")) {
        // "1, 2" and "1 2" are both the first time bar.
        const std::string_view numbers = AttrOf(ending, "number");
        double first = 0;
        const int number =
            FindNumber(numbers, first) && first >= 1 && first <= 4 ? static_cast<int>(first) : 0;
        const std::string_view type = AttrOf(ending, "type");
        if (number == 0) {
            tally_.Unsupported("ending");
        } else if (type == kEndingStart) {
            m.ending = number;
            m.endingStart = true;
            m.endingHidden = AttrOf(ending, "print-object") == "no";
            openEnding_ = number;
        } else if (type == kEndingStop || type == kEndingDiscontinue) {
            m.ending = number;
            m.endingStop = true;
            openEnding_ = 0;
        }
    }
    DirectionMarks marks;
    if (barline.child("segno")) AddSign(marks.signs, CodeOfElement(MarkPlace::Segno, "segno"));
    if (barline.child("coda")) AddSign(marks.signs, CodeOfElement(MarkPlace::Coda, "coda"));
    if (barline.child("fermata")) {
        AddSign(marks.signs, CodeOfElement(MarkPlace::Fermata, "fermata"));
    }
    if (!marks.signs.empty()) {
        const int tick = location == kBarLeft ? 0 : right ? kEndOfMeasure : TickNow();
        placed_.push_back({tick, std::move(marks)});
    }
}

// The first tempo is the score's, with the words written beside it (which
// are then taken); a later one is a change only when it differs.
void PartReader::TakeTempo(DirectionMarks& marks) {
    if (marks.tempo <= 0) return;
    if (!tempoSeen_) {
        score_.tempo = marks.tempo;
        score_.tempoWords = std::move(marks.words);
        marks.words.clear();
        tempoSeen_ = true;
        tempo_ = marks.tempo;
        marks.tempo = 0;
    } else if (marks.tempo == tempo_) {
        marks.tempo = 0;  // the tempo in force, written again
    } else {
        tempo_ = marks.tempo;
    }
}

void PartReader::TakeDirection(DirectionMarks marks, int tick, bool bareSound) {
    TakeTempo(marks);
    if (!marks.words.empty()) tally_.Count(kWords);
    if (!marks.signs.empty() || !marks.signsAtEnd.empty() || marks.wedgeStart != 0 ||
        marks.wedgeStop || marks.tempo > 0) {
        placed_.push_back({tick, std::move(marks), bareSound});
    }
}

// The start repeat a <sound> implies: this measure's, unless its bar line
// shows one.
void PartReader::TakeForwardRepeat(const DirectionMarks& marks, ImportedMeasure& m) {
    if (!marks.forwardRepeat || m.repeatForward) return;
    m.repeatForward = true;
    m.repeatForwardImplied = true;
}

// A direction of another staff gives its tempo (which is the whole part's);
// whatever else it holds is counted once, as a mark of that staff.
void PartReader::TakeOtherStaffDirection(pugi::xml_node direction) {
    ImportedScore scratch;
    LeftOutTally scratchTally(scratch);
    DirectionMarks marks = ReadDirection(direction, scratchTally);
    TakeTempo(marks);
    if (!scratch.leftOut.empty() || !marks.signs.empty() || !marks.signsAtEnd.empty() ||
        !marks.words.empty() || marks.wedgeStart != 0 || marks.wedgeStop) {
        tally_.Count(kOtherStaffMarks);
    }
    if (marks.tempo > 0) {
        DirectionMarks tempo;
        tempo.tempo = marks.tempo;
        placed_.push_back({TickNow(), std::move(tempo)});
    }
}

void PartReader::FinishMeasure(ImportedMeasure& m) {
    CloseChord();
    // A tuplet ends with its measure.
    CloseTuplet();
    m.tuplets = std::move(tuplets_);
    tuplets_.clear();
    if (!graces_.empty()) {
        if (lastPitched_ >= 0) {
            AttachGracesAfter(kept_[static_cast<size_t>(lastPitched_)]);
        } else {
            tally_.Count(kLoneGraces, static_cast<int>(graces_.size()));
            graces_.clear();
        }
    }
    TakeLength(m);
    std::stable_sort(kept_.begin(), kept_.end(), [](const KeptNote& a, const KeptNote& b) {
        return a.note.onset < b.note.onset;
    });
    // The voice fills its measure: rests stand in its gaps.
    auto rest = [](int onset, int duration) {
        ImportedNote r;
        r.onset = onset;
        r.duration = duration;
        r.rest = true;
        return r;
    };
    int end = 0;
    for (KeptNote& k : kept_) {
        if (k.note.onset < end) {
            tally_.Count(kOverlappingNotes);
            continue;
        }
        if (k.note.onset > end) m.notes.push_back(rest(end, k.note.onset - end));
        k.note.signs += k.pitchedSigns;
        k.note.slurStarts = static_cast<int>(k.slurStarts.size());
        k.note.slurStops = static_cast<int>(k.slurStops.size());
        k.note.slurStartNumbers = std::move(k.slurStarts);
        k.note.slurStopNumbers = std::move(k.slurStops);
        end = k.note.onset + k.note.duration;
        m.notes.push_back(std::move(k.note));
    }
    if (end < m.length) m.notes.push_back(rest(end, m.length - end));
    kept_.clear();

    std::vector<PlacedMarks> marks = std::move(carried_);
    carried_.clear();
    for (PlacedMarks& p : marks) p.tick = 0;
    marks.insert(marks.end(), std::make_move_iterator(placed_.begin()),
                 std::make_move_iterator(placed_.end()));
    placed_.clear();
    if (m.notes.empty()) {
        // No note to stand at: ends of hairpins and jumps go back to the last
        // note, everything else waits for the next one.
        for (PlacedMarks& p : marks) {
            if (p.marks.wedgeStop) {
                if (ImportedNote* before = LastNoteBefore()) before->wedgeStop = true;
                p.marks.wedgeStop = false;
            }
            if (ImportedNote* before = LastNoteBefore()) {
                for (char code : p.marks.signsAtEnd) AddSign(before->signsAtEnd, code);
                p.marks.signsAtEnd.clear();
            }
            if (!p.marks.signs.empty() || !p.marks.signsAtEnd.empty() || p.marks.wedgeStart != 0 ||
                p.marks.tempo > 0) {
                carried_.push_back(std::move(p));
            }
        }
        return;
    }
    for (const PlacedMarks& p : marks) PlaceMarks(m, p);
    for (ImportedNote& n : m.notes) OrderSigns(n.signs);
    lastMeasureWithNotes_ = static_cast<int>(&m - score_.measures.data());
}

ImportedNote* PartReader::LastNoteBefore() {
    if (lastMeasureWithNotes_ < 0) return nullptr;
    return &score_.measures[static_cast<size_t>(lastMeasureWithNotes_)].notes.back();
}

// Signs, hairpin starts and tempo changes stand at the first note at or
// after their onset (the last note when none follows); a hairpin ends at the
// note sounding just before its stop.
void PartReader::PlaceMarks(ImportedMeasure& m, const PlacedMarks& p) {
    std::vector<ImportedNote>& notes = m.notes;
    const auto at = std::lower_bound(notes.begin(), notes.end(), p.tick,
                                     [](const ImportedNote& n, int t) { return n.onset < t; });
    ImportedNote& target = at == notes.end() ? notes.back() : *at;
    for (char code : p.marks.signs) AddSign(target.signs, code);
    for (char code : p.marks.signsAtEnd) {
        // A To Coda is taken where its sound stands, and one at a measure's
        // start at the bar line before it (the coda sign among the jumps is
        // a To Coda's).
        const bool toCoda = code == markcode::kCoda && (p.tick == 0 || p.marks.toCodaSound);
        ImportedNote& end = NoteEndingJumps(m, p, toCoda);
        AddSign(end.signsAtEnd, code);
    }
    if (p.marks.wedgeStart != 0) {
        // A note begins one hairpin; a second one on the same note is lost.
        if (target.wedgeStart == 0) {
            target.wedgeStart = p.marks.wedgeStart;
        } else {
            tally_.Unsupported("wedge");
        }
    }
    if (p.marks.tempo > 0) target.tempo = p.marks.tempo;
    if (p.marks.wedgeStop) {
        ImportedNote* stop = nullptr;
        if (at != notes.begin()) {
            stop = &*(at - 1);
        } else if (&m - score_.measures.data() > lastMeasureWithNotes_) {
            stop = LastNoteBefore();
        }
        (stop != nullptr ? stop : &notes.front())->wedgeStop = true;
    }
}

// Jumps act where a note ends. A direction's jumps stand with the note
// sounding at its onset (a D.S. written over a held note acts at the end of
// that note); a <sound> standing alone marks the moment itself, and so does
// a To Coda with its sound or at a measure's start (`atMoment`): the jump is
// taken there, so it goes with the note that ends there, the last note of
// the measure before for one at a measure's start.
ImportedNote& PartReader::NoteEndingJumps(ImportedMeasure& m, const PlacedMarks& p, bool atMoment) {
    std::vector<ImportedNote>& notes = m.notes;
    const bool moment = p.bareSound || atMoment;
    const auto after =
        moment ? std::lower_bound(notes.begin(), notes.end(), p.tick,
                                  [](const ImportedNote& n, int t) { return n.onset < t; })
               : std::upper_bound(notes.begin(), notes.end(), p.tick,
                                  [](int t, const ImportedNote& n) { return t < n.onset; });
    if (after != notes.begin()) return *(after - 1);
    if (moment && &m - score_.measures.data() > lastMeasureWithNotes_) {
        if (ImportedNote* before = LastNoteBefore()) return *before;
    }
    return notes.front();
}

void ReadPart(pugi::xml_node part, bool bowed, ImportedScore& score, LeftOutTally& tally) {
    PartReader(bowed, score, tally).Read(part);
}

}  // namespace sorvel::interchange::xmlread
