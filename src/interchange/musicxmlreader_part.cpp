// The measures of one MusicXML part: positions from durations, <backup> and
// <forward>; the first voice of the first staff kept, chords reduced to their
// top note, grace notes attached to their note, gaps filled with rests, and
// the marks of directions placed on the notes at their onsets.
#include <algorithm>
#include <climits>
#include <string>
#include <vector>

#include "base/arith.h"
#include "interchange/markcodes.h"
#include "interchange/musicxmlreader_internal.h"

namespace sorvel::interchange::xmlread {
namespace {

// Bounds that keep hostile numbers harmless. A longer note is cut to this
// length; positions within a measure stay below the measure bound.
constexpr double kMaxNoteQuarters = 64;
constexpr double kMaxMeasureQuarters = 1024;
constexpr size_t kMaxGraces = 4;
// Beyond these the part is cut off, so that a file of millions of tiny
// measures cannot make the score hundreds of times its own size.
constexpr size_t kMaxMeasures = 100000;
constexpr size_t kMaxNotes = 500000;
// Unmatched slide starts remembered at most.
constexpr size_t kMaxOpenLines = 64;

constexpr int kEndOfMeasure = INT_MAX;

int Ticks(double quarters) {
    return RoundHalfEven(quarters * kTicksPerQuarter);
}

bool ReadPitch(pugi::xml_node pitch, XmlPitch& p) {
    const std::string_view step = TextOf(pitch.child("step"));
    if (step.size() != 1 || step[0] < 'A' || step[0] > 'G') return false;
    const int octave = IntOf(TextOf(pitch.child("octave")), -1, 0, 9);
    if (octave < 0) return false;
    p.step = step[0];
    p.octave = octave;
    p.alter = IntOf(TextOf(pitch.child("alter")), 0, -2, 2);
    return true;
}

int UnderlinesOfType(std::string_view type) {
    if (type == "16th") return 2;
    if (type == "32nd" || type == "64th" || type == "128th" || type == "256th" || type == "512th" ||
        type == "1024th") {
        return 3;
    }
    return 1;  // eighth, and the longer values that a grace note rarely has
}

// Removes one `number` from `numbers`; false when it is not there.
bool TakeNumber(std::vector<int>& numbers, int number) {
    const auto it = std::find(numbers.begin(), numbers.end(), number);
    if (it == numbers.end()) return false;
    numbers.erase(it);
    return true;
}

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

struct PendingGrace {
    GraceNote grace;
    std::vector<int> slurStarts;
    std::vector<int> slurStops;
};

// A note of the chosen voice with what it needs until its measure is done.
struct KeptNote {
    ImportedNote note;
    int midi = 0;
    std::string pitchedSigns;
    std::vector<int> slurStarts;
    std::vector<int> slurStops;
    std::vector<LineEnd> lines;
};

// Marks of a direction waiting for the note at their onset.
struct PlacedMarks {
    int tick = 0;
    DirectionMarks marks;
};

struct OpenLine {
    bool glissando = false;
    int number = 0;
    int midi = 0;
};

class PartReader {
  public:
    PartReader(ImportedScore& score, LeftOutTally& tally) : score_(score), tally_(tally) {}
    void Read(pugi::xml_node part);

  private:
    void ReadMeasure(pugi::xml_node measure, ImportedMeasure& m);
    void ReadAttributes(pugi::xml_node attributes, ImportedMeasure& m);
    void ReadBarline(pugi::xml_node barline, ImportedMeasure& m);
    void ReadNote(pugi::xml_node note);
    void ReadGrace(pugi::xml_node note, bool chord);
    void MergeChordMember(const NoteMarks& marks, bool rest, const XmlPitch& pitch);
    void TakeDirection(DirectionMarks marks, int tick);
    void TakeOtherStaffDirection(pugi::xml_node direction);
    void TakeTempo(DirectionMarks& marks);
    void CloseChord();
    void AttachGracesBefore(KeptNote& k);
    void AttachGracesAfter(KeptNote& k);
    void FinishMeasure(ImportedMeasure& m);
    void PlaceMarks(ImportedMeasure& m, const PlacedMarks& p);
    ImportedNote* LastNoteBefore();

    double Quarters(pugi::xml_node durationHolder) const;
    void Move(double quarters);
    int TickNow() const { return Ticks(pos_); }

    ImportedScore& score_;
    LeftOutTally& tally_;

    // Through the part.
    double divisions_ = 1;
    std::string voice_;  // the voice kept, empty until the first note of staff 1
    bool keySeen_ = false;
    int fifths_ = 0;
    bool timeSeen_ = false;
    int beats_ = 0;
    int beatType_ = 0;
    bool tempoSeen_ = false;
    int tempo_ = 0;
    int openEnding_ = 0;
    std::vector<OpenLine> openLines_;
    std::vector<PlacedMarks> carried_;  // marks of measures that kept no note
    int lastMeasureWithNotes_ = -1;

    // Within the measure being read.
    double pos_ = 0;
    double maxPos_ = 0;
    double chordOnset_ = 0;
    bool chordOpen_ = false;
    int lastPitched_ = -1;
    std::vector<KeptNote> kept_;
    std::vector<PendingGrace> graces_;
    std::vector<PlacedMarks> placed_;
};

double PartReader::Quarters(pugi::xml_node holder) const {
    double d = 0;
    if (!ParseNumber(TextOf(holder.child("duration")), d) || d <= 0) return 0;
    return d / divisions_;
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
}

void PartReader::ReadMeasure(pugi::xml_node measure, ImportedMeasure& m) {
    pos_ = maxPos_ = chordOnset_ = 0;
    chordOpen_ = false;
    lastPitched_ = -1;
    kept_.clear();
    graces_.clear();
    placed_.clear();
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
            const int tick = Ticks(std::clamp(pos_ + offset, 0.0, kMaxMeasureQuarters));
            const std::string_view staff = TextOf(c.child("staff"));
            if (staff.empty() || staff == "1") {
                TakeDirection(ReadDirection(c, tally_), tick);
            } else {
                TakeOtherStaffDirection(c);
            }
        } else if (name == "sound") {
            DirectionMarks marks;
            ReadSound(c, marks);
            TakeDirection(std::move(marks), TickNow());
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
    for (pugi::xml_node key : attributes.children("key")) {
        const std::string_view number = AttrOf(key, "number");
        if (!number.empty() && number != "1") continue;
        if (!key.child("fifths")) {
            tally_.Unsupported("key");
            break;
        }
        const int fifths = IntOf(TextOf(key.child("fifths")), 0, -7, 7);
        if (!keySeen_) {
            score_.fifths = fifths;
            keySeen_ = true;
        } else if (fifths != fifths_) {
            m.keyChange = true;
            m.fifths = fifths;
        }
        fifths_ = fifths;
        break;
    }
    for (pugi::xml_node time : attributes.children("time")) {
        const std::string_view number = AttrOf(time, "number");
        if (!number.empty() && number != "1") continue;
        int beats = 0;
        int beatType = 0;
        if (!time.child("senza-misura")) {
            // Additive meters ("3+2") count all their beats.
            std::string_view text = TextOf(time.child("beats"));
            while (!text.empty()) {
                const size_t plus = text.find('+');
                beats += IntOf(text.substr(0, plus), 0, 0, 999);
                text = plus == std::string_view::npos ? std::string_view{} : text.substr(plus + 1);
            }
            beats = std::min(beats, 999);
            beatType = IntOf(TextOf(time.child("beat-type")), 0, 0, 999);
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

void PartReader::ReadBarline(pugi::xml_node barline, ImportedMeasure& m) {
    std::string_view location = AttrOf(barline, "location");
    if (location.empty()) location = "right";
    const bool right = location == "right";
    const std::string_view repeat = AttrOf(barline.child("repeat"), "direction");
    if (right) {
        const std::string_view style = TextOf(barline.child("bar-style"));
        if (repeat == "backward") {
            m.rightBar = 'g';
        } else if (style == "light-light") {
            m.rightBar = 'd';
        } else if (style == "light-heavy") {
            m.rightBar = 'e';
        } else if (!style.empty() && style != "regular" && style != "none") {
            tally_.Unsupported("bar-style");
        }
    } else if (location == "left" && repeat == "forward") {
        m.repeatForward = true;
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
        } else if (type == "start") {
            m.ending = number;
            m.endingStart = true;
            openEnding_ = number;
        } else if (type == "stop" || type == "discontinue") {
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
        const int tick = location == "left" ? 0 : right ? kEndOfMeasure : TickNow();
        placed_.push_back({tick, std::move(marks)});
    }
}

void PartReader::ReadNote(pugi::xml_node note) {
    const bool chord = static_cast<bool>(note.child("chord"));
    const bool grace = static_cast<bool>(note.child("grace"));
    const bool rest = static_cast<bool>(note.child("rest"));
    std::string_view staff = TextOf(note.child("staff"));
    std::string_view voice = TextOf(note.child("voice"));
    if (staff.empty()) staff = "1";
    if (voice.empty()) voice = "1";

    double onset = pos_;
    double length = 0;
    bool cut = false;
    if (!grace) {
        length = Quarters(note);
        if (length > kMaxNoteQuarters) {
            length = kMaxNoteQuarters;
            cut = true;
        }
        if (chord) {
            onset = chordOnset_;
        } else {
            chordOnset_ = pos_;
            Move(length);
        }
        if (!chord) CloseChord();
    }

    if (staff != "1") {
        if (!rest) tally_.Count(kOtherStaffNotes);
        return;
    }
    // Cue notes only mark time (their gap becomes a rest), and do not
    // choose the voice.
    const bool cue = static_cast<bool>(note.child("cue"));
    if (voice_.empty() && !cue) voice_ = voice;
    if (!voice_.empty() && voice != voice_) {
        if (!rest) tally_.Count(kOtherVoiceNotes);
        return;
    }
    if (cue) {
        if (!rest) tally_.Count(kCueNotes);
        return;
    }
    if (grace) {
        ReadGrace(note, chord);
        return;
    }
    const double end = std::min(onset + length, kMaxMeasureQuarters);
    const int tick = Ticks(onset);
    const int duration = Ticks(end) - tick;
    if (duration <= 0) {
        if (!rest) tally_.Count(kNotesWithoutLength);
        return;
    }

    NoteMarks marks;
    for (pugi::xml_node notations : note.children("notations")) {
        ReadNotations(notations, false, marks, tally_);
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
    if (cut) tally_.Count(kLongNotes);

    KeptNote k;
    k.note.onset = tick;
    k.note.duration = duration;
    k.note.rest = isRest;
    if (!isRest) {
        k.note.pitch = pitch;
        k.midi = MidiOfPitch(pitch);
        k.note.tieToNext = marks.tie;
        k.pitchedSigns = std::move(marks.pitchedSigns);
        k.lines = std::move(marks.lines);
        k.note.slideIn = marks.slideMark;
    }
    if (pugi::xml_node tm = note.child("time-modification")) {
        const int actual = IntOf(TextOf(tm.child("actual-notes")), 0, 0, 1000);
        const int normal = IntOf(TextOf(tm.child("normal-notes")), 0, 0, 1000);
        if (actual == 3 && normal == 2) {
            k.note.triplet = true;
        } else if (actual != normal) {
            tally_.Count(kOtherTuplets);
        }
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
    NoteMarks marks;
    for (pugi::xml_node notations : note.children("notations")) {
        ReadNotations(notations, true, marks, tally_);
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
        k.note.slideIn =
            line.glissando ? (up ? kGlissUp : kGlissDown) : (up ? kSlideUp : kSlideDown);
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

void PartReader::TakeDirection(DirectionMarks marks, int tick) {
    TakeTempo(marks);
    if (!marks.words.empty()) tally_.Count(kWords);
    if (!marks.signs.empty() || marks.wedgeStart != 0 || marks.wedgeStop || marks.tempo > 0) {
        placed_.push_back({tick, std::move(marks)});
    }
}

// A direction of another staff gives its tempo (which is the whole part's);
// whatever else it holds is counted once, as a mark of that staff.
void PartReader::TakeOtherStaffDirection(pugi::xml_node direction) {
    ImportedScore scratch;
    LeftOutTally scratchTally(scratch);
    DirectionMarks marks = ReadDirection(direction, scratchTally);
    TakeTempo(marks);
    if (!scratch.leftOut.empty() || !marks.signs.empty() || !marks.words.empty() ||
        marks.wedgeStart != 0 || marks.wedgeStop) {
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
    if (!graces_.empty()) {
        if (lastPitched_ >= 0) {
            AttachGracesAfter(kept_[static_cast<size_t>(lastPitched_)]);
        } else {
            tally_.Count(kLoneGraces, static_cast<int>(graces_.size()));
            graces_.clear();
        }
    }
    m.length = Ticks(maxPos_);
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
        // No note to stand at: ends of hairpins go back to the last note,
        // everything else waits for the next one.
        for (PlacedMarks& p : marks) {
            if (p.marks.wedgeStop) {
                if (ImportedNote* before = LastNoteBefore()) before->wedgeStop = true;
                p.marks.wedgeStop = false;
            }
            if (!p.marks.signs.empty() || p.marks.wedgeStart != 0 || p.marks.tempo > 0) {
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

}  // namespace

void ReadPart(pugi::xml_node part, ImportedScore& score, LeftOutTally& tally) {
    PartReader(score, tally).Read(part);
}

}  // namespace sorvel::interchange::xmlread
