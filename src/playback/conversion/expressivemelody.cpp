#include "playback/conversion/expressivemelody.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "base/arith.h"
#include "model/daon.h"
#include "model/note.h"
#include "playback/conversion/sequencewriter.h"
#include "playback/midievent.h"

namespace sorvel {
namespace {

// A grace note lasts about a 32nd note.
constexpr int kGraceTicks = 6;
constexpr int kGraceSoftening = 10;      // grace and ornament notes are lighter
constexpr int kTrillNoteMillis = 125;    // about 8 notes a second
constexpr int kTremoloNoteMillis = 80;   // about 12 strokes a second
constexpr int kOrnamentNoteMillis = 70;  // the quick notes of mordents and turns
constexpr int kSlideMillis = 150;
constexpr int kGlissandoMillis = 250;
constexpr int kSlideSemitones = 2;  // a slide with no note to come from
constexpr int kSlideReach = 4;      // the note before is the start up to this far
constexpr int kGlideSteps = 6;
constexpr int kVibratoMillisPerCycle = 180;  // about 5.5 Hz
constexpr int kVibratoCents = 30;
constexpr int kVibratoDelayMillis = 150;
constexpr int kExpressionStep = 12;  // ticks between the points of a hairpin's ramp
constexpr int kStaccatissimoPercent = 20;
constexpr int kFermataPercent = 67;  // the tempo under a fermata: held half as long again

constexpr int kController11 = 11;
constexpr int kDataEntry = 6, kDataEntryLsb = 38, kRpnLsb = 100, kRpnMsb = 101, kRpnNull = 127;

bool IsDegree(char code) {
    return code >= '1' && code <= '7';
}

// The natural pitch of degree index 0-6 (1-7) in `octave`, as NotePitch
// gives it, without building a content string for every ornament note.
int NaturalPitch(int index, int octave) {
    constexpr int kSemitones[7] = {0, 2, 4, 5, 7, 9, 11};
    return kSemitones[index] + octave * 12 + 60;
}

// The scale degree `step` degrees from `degree` in the page's key, natural.
int NeighbourPitch(char degree, int octave, int step, int keyShift) {
    int index = degree - '1' + step;
    if (index > 6) {
        index -= 7;
        ++octave;
    } else if (index < 0) {
        index += 7;
        --octave;
    }
    return NaturalPitch(index, octave) + keyShift;
}

int GracePitch(const GraceNote& grace, int keyShift) {
    return NaturalPitch(grace.degree - '1', grace.octave) + keyShift;
}

int Softer(int velocity) {
    return std::max(velocity - kGraceSoftening, 1);
}

}  // namespace

ExpressiveMelody::ExpressiveMelody(SequenceWriter& writer, const PlayItems& items, int velocity,
                                   int tempo)
    : writer_(writer),
      hairpins_(items, velocity),
      itemCount_(static_cast<int>(items.size())),
      velocity_(velocity),
      tempo_(tempo) {}

int ExpressiveMelody::Ticks(int millis) const {
    const double ticks = millis * static_cast<double>(tempo_) * kTimeBase / 60000.0;
    return std::max(RoundHalfEven(ticks), 1);
}

void ExpressiveMelody::Setup() {
    // Room for a few events a note, so that the track grows in one step.
    std::vector<TMidiEvent>& events = writer_.Events(conv_track::kMelody).Events();
    events.reserve(events.size() + 4 * static_cast<std::size_t>(itemCount_));
    auto control = [this](int controller, int value) {
        writer_.Add(conv_track::kMelody, evt::kControl, 0, controller, value);
    };
    control(kRpnMsb, 0);  // RPN 0: pitch bend sensitivity
    control(kRpnLsb, 0);
    control(kDataEntry, kBendRangeSemitones);
    control(kDataEntryLsb, 0);
    control(kRpnMsb, kRpnNull);
    control(kRpnLsb, kRpnNull);
    control(kController11, kPlainExpression);
    writer_.Add(conv_track::kMelody, evt::kPitch, 0, kBendCenter & 0x7F, kBendCenter >> 7);
    expression_ = kPlainExpression;
    bent_ = false;
}

void ExpressiveMelody::StateBefore(const TNote& note) {
    if (const std::optional<int> v = ReadNoteMarks(note).dynamicVelocity) velocity_ = *v;
}

void ExpressiveMelody::Flush() {
    if (!hasPending_) return;
    bent_ = pending_.EndsBent();
    pending_.Write(writer_);
    hasPending_ = false;
}

void ExpressiveMelody::Lead(TNote& note, int keyShift) {
    marks_ = ReadNoteMarks(note);
    gracesOnBeat_ = marks_.gracesBefore != nullptr;
    glissedInto_ = false;
    if (hasPending_ && IsDegree(CodeOf(&note))) {
        if (marks_.gracesBefore) gracesOnBeat_ = !GracesBeforeBeat(note, keyShift);
        const bool glissando = marks_.slide == Slide::kGlissUp || marks_.slide == Slide::kGlissDown;
        if (glissando && !marks_.gracesBefore) GlissandoOut(note, keyShift);
    }
    Flush();
    if (restoreTempo_ != 0) {
        writer_.Tempo(restoreTempo_, &note);
        tempo_ = restoreTempo_;
        restoreTempo_ = 0;
    }
}

// Grace notes before the beat take the end of the note before, at most half
// of it; false when it has no room for them.
bool ExpressiveMelody::GracesBeforeBeat(const TNote& note, int keyShift) {
    const GraceGroup group = GraceNotesOf(*marks_.gracesBefore);
    if (group.count == 0) return true;
    const int each = std::min(kGraceTicks, note.StepTime / 2 / group.count);
    if (each < 1) return true;  // the note is too short to lean on
    const int total = each * group.count;
    if (pending_.Length() / 2 < total) return false;
    const int start = pending_.Length() - total;
    pending_.ClearFrom(start);
    if (pending_.EndsBent()) pending_.Bend(start, 0);
    const int velocity = Softer(std::clamp(velocity_, 1, 127));
    for (int i = 0; i < group.count; ++i)
        pending_.Note(start + i * each, GracePitch(group.notes[i], keyShift), each, velocity);
    return true;
}

// A glissando leaves the note before in its last third (at most a quarter of
// a second) and arrives at this note's pitch on its beat.
void ExpressiveMelody::GlissandoOut(const TNote& note, int keyShift) {
    if (!sounding_.sounds) return;
    const int target = note.NoteNo + keyShift;
    const int interval =
        std::clamp(target - sounding_.last, -kBendRangeSemitones, kBendRangeSemitones);
    if (interval == 0 || note.NoteNo == 0) return;
    const int length = pending_.Length();
    const int glide = std::min(length / 3, Ticks(kGlissandoMillis));
    if (glide < 1) return;
    const int start = length - glide;
    pending_.ClearBendsFrom(start);
    pending_.HoldLastNote();
    const int steps = std::min(glide, kGlideSteps);
    for (int i = 1; i <= steps; ++i)
        pending_.Bend(start + glide * (i - 1) / steps, interval * 100 * i / steps);
    glissedInto_ = true;
}

void ExpressiveMelody::Note(TNote& note, int keyShift) {
    if (marks_.dynamicVelocity) velocity_ = *marks_.dynamicVelocity;
    const int velocity = std::clamp(velocity_ + marks_.accent, 1, 127);
    NoteTimeline& t = building_;
    t.Reset(&note, note.StepTime);
    if (bent_) t.Bend(0, 0);
    if (marks_.fermata && tempo_ > 0) {
        t.Tempo(0, tempo_ * kFermataPercent / 100);
        restoreTempo_ = tempo_;
    }
    Expression(t, note);
    const char code = CodeOf(&note);
    if (IsDegree(code) && note.NoteNo > 0) {
        Degree(t, note, keyShift, velocity);
    } else if (code == '8' && note.NoteNo > 0 && sounding_.sounds) {
        Dash(t, note, velocity);
    } else {
        t.Rest(0);
        sounding_ = {};
    }
    std::swap(pending_, building_);
    hasPending_ = true;
}

void ExpressiveMelody::Expression(NoteTimeline& t, const TNote& note) {
    const ExpressionRamp* ramp = hairpins_.At(note);
    if (!ramp) {
        if (expression_ != kPlainExpression) t.Control(0, kController11, kPlainExpression);
        expression_ = kPlainExpression;
        return;
    }
    const int length = std::max(note.StepTime, 1);
    for (int at = 0; at < length; at += kExpressionStep) {
        const int value = ramp->from + (ramp->to - ramp->from) * at / length;
        if (value != expression_) t.Control(at, kController11, value);
        expression_ = value;
    }
}

void ExpressiveMelody::Degree(NoteTimeline& t, const TNote& note, int keyShift, int velocity) {
    const char degree = CodeOf(&note);
    Sounding pitches;
    pitches.sounds = true;
    pitches.main = note.NoteNo + keyShift;
    pitches.upper = NeighbourPitch(degree, note.Octave(), 1, keyShift);
    pitches.lower = NeighbourPitch(degree, note.Octave(), -1, keyShift);
    pitches.ornament = marks_.ornament;
    pitches.vibrato = marks_.vibrato;
    const int length = note.StepTime;

    int start = 0;
    if (gracesOnBeat_) {
        const GraceGroup group = GraceNotesOf(*marks_.gracesBefore);
        const int each = group.count > 0 ? std::min(kGraceTicks, length / 2 / group.count) : 0;
        for (int i = 0; each > 0 && i < group.count; ++i)
            t.Note(i * each, GracePitch(group.notes[i], keyShift), each, Softer(velocity));
        start = each * group.count;
    }
    int end = length;
    GraceGroup after;
    int afterEach = 0;
    if (marks_.gracesAfter) {
        after = GraceNotesOf(*marks_.gracesAfter);
        afterEach = after.count > 0 ? std::min(kGraceTicks, (length - start) / 2 / after.count) : 0;
        end = length - afterEach * after.count;
    }
    int gateEnd =
        marks_.staccatissimo ? std::max(length * kStaccatissimoPercent / 100, 1) : note.GateTime;
    if (afterEach > 0) gateEnd = end;

    int bodyStart = start;
    if (marks_.slide != Slide::kNone && !glissedInto_)
        bodyStart = SlideIn(t, start, end, pitches.main);
    const std::vector<Segment> line = MainLine(marks_.ornament, start, end, pitches);
    WriteLine(t, line, marks_.ornament, gateEnd, velocity, Softer(velocity));
    if (marks_.vibrato) {
        const int from =
            std::max(bodyStart, start + std::min((end - start) / 4, Ticks(kVibratoDelayMillis)));
        Vibrato(t, from, std::min(end, std::max(gateEnd, start + 1)));
    }
    for (int i = 0; i < after.count && afterEach > 0; ++i)
        t.Note(end + i * afterEach, GracePitch(after.notes[i], keyShift), afterEach,
               Softer(velocity));
    pitches.last = line.empty() ? pitches.main : line.back().pitch;
    sounding_ = pitches;
}

// A dash goes on with what its note was doing: held, trilled, trembled or
// with vibrato.
void ExpressiveMelody::Dash(NoteTimeline& t, const TNote& note, int velocity) {
    const Ornament ornament =
        sounding_.ornament == Ornament::kTrill || sounding_.ornament == Ornament::kTremolo
            ? sounding_.ornament
            : Ornament::kNone;
    const std::vector<Segment> line = MainLine(ornament, 0, note.StepTime, sounding_);
    // An ornament going on is not struck anew on the dash.
    WriteLine(t, line, ornament, note.GateTime,
              ornament == Ornament::kNone ? velocity : Softer(velocity), Softer(velocity));
    if (sounding_.vibrato) Vibrato(t, 0, std::min(note.StepTime, note.GateTime));
    sounding_.last = line.empty() ? sounding_.main : line.back().pitch;
}

std::vector<ExpressiveMelody::Segment> ExpressiveMelody::MainLine(Ornament ornament, int from,
                                                                  int to, const Sounding& p) const {
    std::vector<Segment> line;
    const int span = to - from;
    if (span <= 0) return line;
    auto quick = [&](std::initializer_list<int> pitches) {
        const int count = static_cast<int>(pitches.size());
        const int each = std::min(Ticks(kOrnamentNoteMillis), span / (count + 1));
        if (each < 1) return false;
        int at = from;
        for (int pitch : pitches) {
            line.push_back({at, pitch, each});
            at += each;
        }
        line.push_back({at, p.main, to - at});
        return true;
    };
    auto repeated = [&](int each, bool alternate) {
        int at = from;
        for (int i = 0; at < to; ++i) {
            int length = std::min(each, to - at);
            // A last piece shorter than half a note joins the one before.
            if (to - (at + length) > 0 && to - (at + length) < each / 2) length = to - at;
            line.push_back({at, alternate && i % 2 == 1 ? p.upper : p.main, length});
            at += length;
        }
    };
    switch (ornament) {
        case Ornament::kTrill:
            repeated(std::max(Ticks(kTrillNoteMillis), 2), true);
            break;
        case Ornament::kTremolo:
            repeated(std::max(Ticks(kTremoloNoteMillis), 2), false);
            break;
        case Ornament::kUpperMordent:
            if (quick({p.main, p.upper})) return line;
            break;
        case Ornament::kLowerMordent:
            if (quick({p.main, p.lower})) return line;
            break;
        case Ornament::kTurn:
            if (quick({p.upper, p.main, p.lower})) return line;
            break;
        case Ornament::kInvertedTurn:
            if (quick({p.lower, p.main, p.upper})) return line;
            break;
        case Ornament::kNone:
            break;
    }
    if (line.empty()) line.push_back({from, p.main, span});
    return line;
}

// The line's notes join one another (a tremolo strikes each anew); the last
// one sounds as the note would: to `gateEnd`, tied or slurred on, or short.
void ExpressiveMelody::WriteLine(NoteTimeline& t, const std::vector<Segment>& line,
                                 Ornament ornament, int gateEnd, int velocity,
                                 int restVelocity) const {
    std::size_t count = line.size();
    // A last note that the release would cut to less than half is left out;
    // the one before it sounds on to the release instead.
    if (count > 1 && gateEnd - line.back().at < line.back().length / 2) --count;
    for (std::size_t i = 0; i < count; ++i) {
        const Segment& s = line[i];
        const bool last = i + 1 == count;
        int gate = ornament == Ornament::kTremolo ? std::max(s.length - 1, 1) : s.length;
        if (last) gate = std::max(gateEnd - s.at, 1);
        t.Note(s.at, s.pitch, gate, i == 0 ? velocity : restVelocity);
    }
}

// A slide into the note: it starts from the note before when that lies
// close on the slide's side, else a whole tone away, and glides to the
// pitch. Returns where the glide ends.
int ExpressiveMelody::SlideIn(NoteTimeline& t, int from, int to, int pitch) const {
    const bool up = marks_.slide == Slide::kUp || marks_.slide == Slide::kGlissUp;
    const bool glissando = marks_.slide == Slide::kGlissUp || marks_.slide == Slide::kGlissDown;
    int offset = up ? -kSlideSemitones : kSlideSemitones;
    const int fromBefore = sounding_.sounds ? sounding_.last - pitch : 0;
    if (fromBefore != 0 && (fromBefore < 0) == up && std::abs(fromBefore) <= kSlideReach)
        offset = fromBefore;
    const int glide = std::min((to - from) / 3, Ticks(glissando ? kGlissandoMillis : kSlideMillis));
    if (glide < 1) return from;
    t.Bend(from, offset * 100);
    const int steps = std::min(glide, kGlideSteps);
    for (int i = 1; i <= steps; ++i)
        t.Bend(from + glide * i / steps, offset * 100 * (steps - i) / steps);
    return from + glide;
}

void ExpressiveMelody::Vibrato(NoteTimeline& t, int from, int to) const {
    const int cycle = std::max(Ticks(kVibratoMillisPerCycle), 4);
    const int step = std::max(cycle / 6, 1);
    for (int at = from; at < to; at += step) {
        const double phase = 2.0 * std::numbers::pi * (at - from) / cycle;
        t.Bend(at, RoundHalfEven(kVibratoCents * std::sin(phase)));
    }
}

}  // namespace sorvel
