// SPDX-License-Identifier: GPL-3.0-or-later
// The notes of one MusicXML part: the first voice of the first staff kept,
// chords reduced to their top note, grace notes attached to their note, and
// slides resolved between the notes they join.
#include <algorithm>
#include <string>
#include <vector>

#include "interchange/musicxmlreader_partreader.h"
#include "interchange/musicxmlvocabulary.h"

namespace sorvel::interchange::xmlread {
namespace {

bool ReadPitch(pugi::xml_node pitch, XmlPitch& p) {
    const std::string_view step = TextOf(pitch.child("step"));
    if (step.size() != 1 || step[0] < 'A' || step[0] > 'G') return false;
    const int octave = IntOf(TextOf(pitch.child("octave")), -1, 0, 9);
    if (octave < 0) return false;
    p.step = step[0];
    p.octave = octave;
    // Triple sharps and flats and beyond keep the pitch they sound: the
    // numbered spelling then takes the degree of that pitch. An octave either
    // way bounds hostile numbers.
    p.alter = IntOf(TextOf(pitch.child("alter")), 0, -12, 12);
    return true;
}

// Grace notes are drawn with one to three duration lines.
int UnderlinesOfType(std::string_view name) {
    const NoteType* type = NoteTypeOfName(name);
    return type ? std::clamp(UnderlinesOf(*type), 1, 3) : 1;
}

// Removes one `number` from `numbers`; false when it is not there.
bool TakeNumber(std::vector<int>& numbers, int number) {
    const auto it = std::find(numbers.begin(), numbers.end(), number);
    if (it == numbers.end()) return false;
    numbers.erase(it);
    return true;
}

}  // namespace

void PartReader::ReadNote(pugi::xml_node note) {
    const bool chord = static_cast<bool>(note.child("chord"));
    const bool grace = static_cast<bool>(note.child("grace"));
    const bool rest = static_cast<bool>(note.child("rest"));
    // Every note of every voice moves the time, kept or not.
    NoteTime time{pos_, 0, false};
    if (!grace) time = AdvanceTime(note, chord);
    const bool kept = KeepsVoice(note, rest);
    // The voice's tuplets take in its notes on the other staff too: their
    // time stays the tuplet's when they become rests here.
    if (!grace && !chord && (kept || ContinuesKeptVoice(note, time))) {
        TrackTuplet(note, time);
        voiceEnd_ = time.onset + time.length;
    }
    if (!kept) return;
    if (grace) {
        ReadGrace(note, chord);
        return;
    }
    const double end = std::min(time.onset + time.length, kMaxMeasureQuarters);
    const int tick = TickAt(time.onset);
    const int duration = TickAt(end) - tick;
    if (duration <= 0) {
        if (!rest) tally_.Count(kNotesWithoutLength);
        return;
    }

    NoteMarks marks;
    for (pugi::xml_node notations : note.children("notations")) {
        ReadNotations(notations, false, bowed_, marks, tally_);
    }
    for (pugi::xml_node tie : note.children("tie")) {
        if (AttrOf(tie, "type") == "start") marks.tie = true;
    }
    for ([[maybe_unused]] pugi::xml_node lyric : note.children("lyric")) tally_.Count(kLyrics);

    XmlPitch pitch;
    bool isRest = true;
    if (pugi::xml_node p = note.child("pitch")) {
        isRest = !ReadPitch(p, pitch);
        if (isRest) tally_.Count(kBadPitches);
        pitch = SoundingPitch(pitch, transposition_);
    } else if (note.child("unpitched")) {
        tally_.Count(kPercussionNotes);
    }

    if (chord) {
        if (chordOpen_) {
            MergeChordMember(marks, isRest, pitch);
        } else if (!isRest) {
            tally_.Count(kChordNotes);  // its first note was not kept
        }
        return;
    }
    if (time.cut) tally_.Count(kLongNotes);
    KeepNote(note, tick, duration, isRest ? nullptr : &pitch, std::move(marks));
}

PartReader::NoteTime PartReader::AdvanceTime(pugi::xml_node note, bool chord) {
    NoteTime time{pos_, Quarters(note), false};
    if (time.length > kMaxNoteQuarters) {
        time.length = kMaxNoteQuarters;
        time.cut = true;
    }
    if (chord) {
        time.onset = chordOnset_;
    } else {
        chordOnset_ = pos_;
        Move(time.length);
        CloseChord();
    }
    return time;
}

// The first voice of staff 1 is kept. Cue notes only mark time (their gap
// becomes a rest), and do not choose the voice.
bool PartReader::KeepsVoice(pugi::xml_node note, bool rest) {
    std::string_view staff = TextOf(note.child("staff"));
    std::string_view voice = TextOf(note.child("voice"));
    if (staff.empty()) staff = "1";
    if (voice.empty()) voice = "1";
    if (staff != "1") {
        if (!rest) tally_.Count(kOtherStaffNotes);
        return false;
    }
    const bool cue = static_cast<bool>(note.child("cue"));
    if (voice_.empty() && !cue) voice_ = voice;
    if (!voice_.empty() && voice != voice_) {
        if (!rest) tally_.Count(kOtherVoiceNotes);
        return false;
    }
    if (cue) {
        if (!rest) tally_.Count(kCueNotes);
        return false;
    }
    return true;
}

// A note of the kept voice that is not kept (written on the other staff, or
// a cue note): it has the voice's number and goes on where the voice's last
// note ended (another staff's own voice of that number starts over after a
// <backup>).
bool PartReader::ContinuesKeptVoice(pugi::xml_node note, const NoteTime& time) const {
    const std::string_view voice = TextOf(note.child("voice"));
    return !voice_.empty() && (voice.empty() ? std::string_view("1") : voice) == voice_ &&
           TickAt(time.onset) == TickAt(voiceEnd_);
}

void PartReader::TrackTuplet(pugi::xml_node note, const NoteTime& time) {
    if (time.length <= 0) return;
    int actual = 0;
    int normal = 0;
    if (pugi::xml_node tm = note.child("time-modification")) {
        actual = IntOf(TextOf(tm.child("actual-notes")), 0, 0, 1000);
        normal = IntOf(TextOf(tm.child("normal-notes")), 0, 0, 1000);
    }
    const bool modified = actual > 0 && normal > 0 && actual != normal;
    int starts = 0;
    int stops = 0;
    for (pugi::xml_node notations : note.children("notations")) {
        for (pugi::xml_node tuplet : notations.children("tuplet")) {
            const std::string_view type = AttrOf(tuplet, "type");
            starts += type == "start";
            stops += type == "stop";
        }
    }
    if (tuplet_ && !tuplet_->marked &&
        (!modified || actual != tuplet_->actual || normal != tuplet_->normal))
        CloseTuplet();
    if (!tuplet_ && (modified || starts > 0)) {
        OpenTuplet open;
        open.onset = time.onset;
        if (modified) {
            open.actual = actual;
            open.normal = normal;
        }
        open.marked = starts > 0;
        tuplet_ = open;
    }
    if (!tuplet_) return;
    tuplet_->end = time.onset + time.length;
    tuplet_->depth += starts - stops;
    ++tuplet_->notes;
    if (tuplet_->marked ? tuplet_->depth <= 0 : tuplet_->notes >= tuplet_->actual) CloseTuplet();
}

void PartReader::CloseTuplet() {
    if (!tuplet_) return;
    const int onset = TickAt(tuplet_->onset);
    const int end = TickAt(std::min(tuplet_->end, kMaxMeasureQuarters));
    if (end > onset && (tuplets_.empty() || tuplets_.back().end <= onset))
        tuplets_.push_back({onset, end, tuplet_->actual, tuplet_->normal});
    tuplet_.reset();
}

// A note (or rest, with no pitch) that opens a chord: kept with its marks,
// its triplet and the grace notes waiting for it.
void PartReader::KeepNote(pugi::xml_node note, int tick, int duration, const XmlPitch* pitch,
                          NoteMarks marks) {
    const bool isRest = pitch == nullptr;
    KeptNote k;
    k.note.onset = tick;
    k.note.duration = duration;
    k.note.rest = isRest;
    if (!isRest) {
        k.note.pitch = *pitch;
        k.midi = MidiOfPitch(*pitch);
        k.note.tieToNext = marks.tie;
        k.pitchedSigns = std::move(marks.pitchedSigns);
        k.lines = std::move(marks.lines);
        k.note.slideIn = marks.slideMark;
    }
    if (pugi::xml_node tm = note.child("time-modification")) {
        const int actual = IntOf(TextOf(tm.child("actual-notes")), 0, 0, 1000);
        const int normal = IntOf(TextOf(tm.child("normal-notes")), 0, 0, 1000);
        k.note.triplet = actual == 3 && normal == 2;
    }
    k.note.tupletStart = k.note.triplet && marks.tupletStart;
    k.note.tupletStop = k.note.triplet && marks.tupletStop;
    k.note.signs = std::move(marks.signs);
    k.slurStarts = std::move(marks.slurStarts);
    k.slurStops = std::move(marks.slurStops);

    if (!graces_.empty()) {
        if (!isRest) {
            AttachGracesBefore(k);
        } else if (lastPitched_ >= 0) {
            // Grace notes before a rest end the note before them.
            AttachGracesAfter(kept_[static_cast<size_t>(lastPitched_)]);
        }
    }
    kept_.push_back(std::move(k));
    if (!isRest) lastPitched_ = static_cast<int>(kept_.size()) - 1;
    chordOpen_ = true;
}

void PartReader::ReadGrace(pugi::xml_node note, bool chord) {
    XmlPitch pitch;
    pugi::xml_node p = note.child("pitch");
    if (!p) {
        if (note.child("unpitched")) tally_.Count(kPercussionNotes);
        return;
    }
    if (!ReadPitch(p, pitch)) {
        tally_.Count(kBadPitches);
        return;
    }
    pitch = SoundingPitch(pitch, transposition_);
    NoteMarks marks;
    for (pugi::xml_node notations : note.children("notations")) {
        ReadNotations(notations, true, bowed_, marks, tally_);
    }
    if (chord && !graces_.empty()) {
        tally_.Count(kChordNotes);
        PendingGrace& top = graces_.back();
        top.slurStarts.insert(top.slurStarts.end(), marks.slurStarts.begin(),
                              marks.slurStarts.end());
        top.slurStops.insert(top.slurStops.end(), marks.slurStops.begin(), marks.slurStops.end());
        if (MidiOfPitch(pitch) > MidiOfPitch(top.grace.pitch)) {
            top.grace.pitch = pitch;
            top.grace.finger = marks.finger;
        }
        return;
    }
    PendingGrace g;
    g.grace.pitch = pitch;
    g.grace.underlines = UnderlinesOfType(TextOf(note.child("type")));
    g.grace.finger = marks.finger;
    g.slurStarts = std::move(marks.slurStarts);
    g.slurStops = std::move(marks.slurStops);
    graces_.push_back(std::move(g));
}

void PartReader::MergeChordMember(const NoteMarks& marks, bool rest, const XmlPitch& pitch) {
    KeptNote& head = kept_.back();
    if (!rest) tally_.Count(kChordNotes);
    for (char code : marks.signs) AddSign(head.note.signs, code);
    head.slurStarts.insert(head.slurStarts.end(), marks.slurStarts.begin(), marks.slurStarts.end());
    head.slurStops.insert(head.slurStops.end(), marks.slurStops.begin(), marks.slurStops.end());
    head.note.tupletStart |= head.note.triplet && marks.tupletStart;
    head.note.tupletStop |= head.note.triplet && marks.tupletStop;
    // The top note stays, with the marks that belong to its pitch.
    if (!rest && (head.note.rest || MidiOfPitch(pitch) > head.midi)) {
        head.note.rest = false;
        head.note.pitch = pitch;
        head.midi = MidiOfPitch(pitch);
        head.note.tieToNext = marks.tie;
        head.pitchedSigns = marks.pitchedSigns;
        head.lines = marks.lines;
        head.note.slideIn = marks.slideMark;
        lastPitched_ = static_cast<int>(kept_.size()) - 1;
    }
}

// Slides and glissandos are resolved once a chord has its top note: the end
// of a line takes its direction from the pitch where the line began.
void PartReader::CloseChord() {
    if (!chordOpen_) return;
    chordOpen_ = false;
    KeptNote& k = kept_.back();
    for (const LineEnd& line : k.lines) {
        if (line.start) continue;
        const auto it = std::find_if(openLines_.begin(), openLines_.end(), [&](const OpenLine& o) {
            return o.glissando == line.glissando && o.number == line.number;
        });
        if (it == openLines_.end()) {
            tally_.Unsupported(line.glissando ? "glissando" : "slide");
            continue;
        }
        const bool up = k.midi > it->midi;
        k.note.slideIn = line.glissando ? (up ? markcode::kGlissUp : markcode::kGlissDown)
                                        : (up ? markcode::kSlideUp : markcode::kSlideDown);
        openLines_.erase(it);
    }
    for (const LineEnd& line : k.lines) {
        if (!line.start) continue;
        std::erase_if(openLines_, [&](const OpenLine& o) {
            return o.glissando == line.glissando && o.number == line.number;
        });
        if (openLines_.size() >= kMaxOpenLines) openLines_.erase(openLines_.begin());
        openLines_.push_back({line.glissando, line.number, k.midi});
    }
    k.lines.clear();
}

// A slur from a grace note to its own note adds nothing to the note: the
// pair is dropped. Other slur ends of the grace notes move to the note.
void PartReader::AttachGracesBefore(KeptNote& k) {
    for (PendingGrace& g : graces_) {
        if (k.note.gracesBefore.size() < kMaxGraces) {
            k.note.gracesBefore.push_back(g.grace);
        } else {
            tally_.Count(kTooManyGraces);
        }
        for (int n : g.slurStarts) {
            if (!TakeNumber(k.slurStops, n)) k.slurStarts.push_back(n);
        }
        k.slurStops.insert(k.slurStops.end(), g.slurStops.begin(), g.slurStops.end());
    }
    graces_.clear();
}

void PartReader::AttachGracesAfter(KeptNote& k) {
    for (PendingGrace& g : graces_) {
        if (k.note.gracesAfter.size() < kMaxGraces) {
            k.note.gracesAfter.push_back(g.grace);
        } else {
            tally_.Count(kTooManyGraces);
        }
        for (int n : g.slurStops) {
            if (!TakeNumber(k.slurStarts, n)) k.slurStops.push_back(n);
        }
        k.slurStarts.insert(k.slurStarts.end(), g.slurStarts.begin(), g.slurStarts.end());
    }
    graces_.clear();
}

}  // namespace sorvel::interchange::xmlread
