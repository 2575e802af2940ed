// SPDX-License-Identifier: GPL-3.0-or-later
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
// Bend values a cycle of vibrato: fewer make an audibly stepped wave. A
// tick is the finest step, so below about 110 beats a minute a cycle gets
// one value a tick.
constexpr int kVibratoPointsPerCycle = 16;
constexpr int kVibratoCents = 30;
constexpr int kVibratoDelayMillis = 150;
constexpr int kExpressionStep = 6;  // ticks between the points of a hairpin's ramp
constexpr int kStaccatissimoPercent = 20;
constexpr int kFermataPercent = 67;  // the tempo under a fermata: held half as long again

constexpr int kController11 = 11;
constexpr int kDataEntry = 6, kDataEntryLsb = 38, kRpnLsb = 100, kRpnMsb = 101, kRpnNull = 127;
// The bend range of a channel that nobody has set (General MIDI).
constexpr int kDefaultBendRangeSemitones = 2;

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

double ExpressiveMelody::ExactTicks(int millis) const {
    return millis * static_cast<double>(tempo_) * kTimeBase / 60000.0;
}

int ExpressiveMelody::Ticks(int millis) const {
    return std::max(RoundHalfEven(ExactTicks(millis)), 1);
}

OrnamentPace ExpressiveMelody::Pace(Ornament ornament) const {
    if (ornament == Ornament::kNone) return {};  // a held note needs none
    return {Ticks(kTrillNoteMillis), Ticks(kTremoloNoteMillis), Ticks(kOrnamentNoteMillis)};
}

void ExpressiveMelody::BendRange(int semitones) {
    auto control = [this](int controller, int value) {
        writer_.Add(conv_track::kMelody, evt::kControl, 0, controller, value);
    };
    control(kRpnMsb, 0);  // RPN 0: pitch bend sensitivity
    control(kRpnLsb, 0);
    control(kDataEntry, semitones);
    control(kDataEntryLsb, 0);
    control(kRpnMsb, kRpnNull);
    control(kRpnLsb, kRpnNull);
}

void ExpressiveMelody::Setup() {
    // Room for a few events a note, so that the track grows in one step.
    std::vector<TMidiEvent>& events = writer_.Events(conv_track::kMelody).Events();
    events.reserve(events.size() + 6 * static_cast<std::size_t>(itemCount_));
    BendRange(kBendRangeSemitones);
    writer_.Add(conv_track::kMelody, evt::kControl, 0, kController11, kFullExpression);
    writer_.Add(conv_track::kMelody, evt::kPitch, 0, kBendCenter & 0x7F, kBendCenter >> 7);
    expression_ = kFullExpression;
    struck_ = std::clamp(velocity_, 1, 127);
    bent_ = false;
}

void ExpressiveMelody::StateBefore(const TNote& note) {
    if (const std::optional<int> v = ReadNoteMarks(note).dynamicVelocity) velocity_ = *v;
    if (const ExpressionRamp* ramp = hairpins_.At(note)) velocity_ = RoundHalfEven(ramp->to);
}

void ExpressiveMelody::Flush(TNote* next) {
    if (hasPending_) {
        bent_ = pending_.EndsBent();
        pending_.Write(writer_);
        hasPending_ = false;
    }
    if (restoreTempo_ != 0) {
        writer_.Tempo(restoreTempo_, next);
        tempo_ = restoreTempo_;
        restoreTempo_ = 0;
    }
}

void ExpressiveMelody::Finish() {
    Flush();
    if (expression_ != kFullExpression)
        writer_.Add(conv_track::kMelody, evt::kControl, 0, kController11, kFullExpression);
    writer_.Add(conv_track::kMelody, evt::kPitch, 0, kBendCenter & 0x7F, kBendCenter >> 7);
    BendRange(kDefaultBendRangeSemitones);
    expression_ = kFullExpression;
    bent_ = false;
}

void ExpressiveMelody::Lead(TNote& note, int keyShift) {
    marks_ = ReadNoteMarks(note);
    gracesOnBeat_ = marks_.gracesBefore != nullptr;
    glissedInto_ = false;
    if (hasPending_ && IsDegree(CodeOf(&note))) {
        if (marks_.gracesBefore) gracesOnBeat_ = !GracesBeforeBeat(note, keyShift);
        const bool glissando = IsGlissando(marks_.slide);
        if (glissando && !marks_.gracesBefore) GlissandoOut(note, keyShift);
    }
    Flush(&note);
}

// Grace notes before the beat take the end of the note before, at most half
// of it; false when it has no room for them. They sound under its expression.
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
    const int velocity = Softer(std::clamp(struck_, 1, 127));
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
    const ExpressionRamp* ramp = hairpins_.At(note);
    const char code = CodeOf(&note);
    const bool degree = IsDegree(code) && note.NoteNo > 0;
    const bool dash = !degree && code == '8' && note.NoteNo > 0 && sounding_.sounds;
    const int struck = Struck(note, ramp, degree, dash);
    const int velocity = std::clamp(struck + marks_.accent, 1, 127);
    NoteTimeline& t = building_;
    t.Reset(&note, note.StepTime);
    // A dash with vibrato goes on with the wave instead.
    if (bent_ && !(dash && sounding_.vibrato)) t.Bend(0, 0);
    if (marks_.fermata && tempo_ > 0) {
        t.Tempo(0, tempo_ * kFermataPercent / 100);
        restoreTempo_ = tempo_;
    }
    Expression(t, ramp, struck, note.StepTime);
    if (degree) {
        Degree(t, note, keyShift, velocity);
        sounding_.struck = struck;
    } else if (dash) {
        Dash(t, note, velocity);
    } else {
        t.Rest(0);
        sounding_ = {};
    }
    // The level a hairpin reaches stays until the next dynamic.
    if (ramp) velocity_ = RoundHalfEven(ramp->to);
    std::swap(pending_, building_);
    hasPending_ = true;
}

// The velocity a note is struck with before its accent: the loudest level it
// reaches, so that the expression only ever takes away. A dash that its note
// sounds on into is not struck anew and keeps that note's.
int ExpressiveMelody::Struck(const TNote& note, const ExpressionRamp* ramp, bool degree,
                             bool dash) const {
    if (dash && sounding_.heldOn && sounding_.struck > 0) return sounding_.struck;
    double level = ramp ? std::max(ramp->from, ramp->to) : velocity_;
    if (degree) level = std::max(level, hairpins_.HeldPeak(note));
    return std::clamp(RoundHalfEven(level), 1, 127);
}

// The expression that brings a note struck with `struck` to its level, in
// steps along a hairpin's ramp; each step already holds the level its
// stretch ramps to, so the ramp arrives at the next dynamic's level.
void ExpressiveMelody::Expression(NoteTimeline& t, const ExpressionRamp* ramp, int struck,
                                  int length) {
    struck_ = struck;
    if (!ramp) {
        SetExpression(t, 0, ExpressionFor(velocity_, struck));
        return;
    }
    length = std::max(length, 1);
    // The same factor every step: evenly in decibels.
    const double factor = std::pow(ramp->to / std::max(ramp->from, 1.0),
                                   static_cast<double>(kExpressionStep) / length);
    double level = ramp->from;
    for (int at = 0; at < length; at += kExpressionStep) {
        level = at + kExpressionStep >= length ? ramp->to : level * factor;
        SetExpression(t, at, ExpressionFor(level, struck));
    }
}

void ExpressiveMelody::SetExpression(NoteTimeline& t, int at, int value) {
    if (value != expression_) t.Control(at, kController11, value);
    expression_ = value;
}

// Grace notes on the beat, lighter, from the note's onset; returns where the
// note itself begins.
int ExpressiveMelody::GracesOnBeat(NoteTimeline& t, int length, int keyShift, int velocity) {
    const GraceGroup group = GraceNotesOf(*marks_.gracesBefore);
    const int each = group.count > 0 ? std::min(kGraceTicks, length / 2 / group.count) : 0;
    for (int i = 0; each > 0 && i < group.count; ++i)
        t.Note(i * each, GracePitch(group.notes[i], keyShift), each, Softer(velocity));
    return each * group.count;
}

void ExpressiveMelody::Degree(NoteTimeline& t, const TNote& note, int keyShift, int velocity) {
    const char degree = CodeOf(&note);
    Sounding s;
    s.sounds = true;
    s.pitches = {note.NoteNo + keyShift, NeighbourPitch(degree, note.Octave(), 1, keyShift),
                 NeighbourPitch(degree, note.Octave(), -1, keyShift)};
    s.ornament = marks_.ornament;
    s.vibrato = marks_.vibrato;
    const int length = note.StepTime;

    const int start = gracesOnBeat_ ? GracesOnBeat(t, length, keyShift, velocity) : 0;
    int end = length;
    GraceGroup after;
    int afterEach = 0;
    if (marks_.gracesAfter) {
        after = GraceNotesOf(*marks_.gracesAfter);
        afterEach = after.count > 0 ? std::min(kGraceTicks, (length - start) / 2 / after.count) : 0;
        end = length - afterEach * after.count;
    }
    // Staccatissimo releases the note after a fifth of what is left of it
    // once the grace notes on its beat have sounded.
    int gateEnd = marks_.staccatissimo
                      ? start + std::max((length - start) * kStaccatissimoPercent / 100, 1)
                      : note.GateTime;
    if (afterEach > 0) gateEnd = end;

    int bodyStart = start;
    if (marks_.slide != Slide::kNone && !glissedInto_)
        bodyStart = SlideIn(t, start, end, s.pitches.main);
    std::vector<LineSegment>& line = line_;
    OrnamentLine(marks_.ornament, start, end, s.pitches, Pace(marks_.ornament), line);
    WriteOrnamentLine(t, line, marks_.ornament, s.pitches.main, gateEnd, velocity,
                      Softer(velocity));
    if (marks_.vibrato) {
        const int from =
            std::max(bodyStart, start + std::min((end - start) / 4, Ticks(kVibratoDelayMillis)));
        Vibrato(t, from, std::min(end, std::max(gateEnd, start + 1)), 0);
        s.vibratoTicks = length - from;
    }
    for (int i = 0; i < after.count && afterEach > 0; ++i)
        t.Note(end + i * afterEach, GracePitch(after.notes[i], keyShift), afterEach,
               Softer(velocity));
    s.last = line.empty() ? s.pitches.main : line.back().pitch;
    s.heldOn = afterEach == 0 && gateEnd >= length;
    sounding_ = s;
}

// A dash goes on with what its note was doing: held, trilled, trembled or
// with vibrato.
void ExpressiveMelody::Dash(NoteTimeline& t, const TNote& note, int velocity) {
    const Ornament ornament =
        sounding_.ornament == Ornament::kTrill || sounding_.ornament == Ornament::kTremolo
            ? sounding_.ornament
            : Ornament::kNone;
    std::vector<LineSegment>& line = line_;
    OrnamentLine(ornament, 0, note.StepTime, sounding_.pitches, Pace(ornament), line);
    // An ornament going on is not struck anew on the dash.
    WriteOrnamentLine(t, line, ornament, sounding_.pitches.main, note.GateTime,
                      ornament == Ornament::kNone ? velocity : Softer(velocity), Softer(velocity));
    if (sounding_.vibrato) {
        Vibrato(t, 0, std::min(note.StepTime, note.GateTime), sounding_.vibratoTicks);
        sounding_.vibratoTicks += note.StepTime;
    }
    sounding_.last = line.empty() ? sounding_.pitches.main : line.back().pitch;
    sounding_.heldOn = note.GateTime >= note.StepTime;
}

// A slide into the note: it starts from the note before when that lies
// close on the slide's side, else a whole tone away, and glides to the
// pitch. Returns where the glide ends.
int ExpressiveMelody::SlideIn(NoteTimeline& t, int from, int to, int pitch) const {
    const bool up = IsRising(marks_.slide);
    const bool glissando = IsGlissando(marks_.slide);
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

// A sine wave of bends from `from` to `to`, `elapsed` ticks into the wave
// (a dash goes on where its note left off). The phase is reckoned on the
// exact cycle, so that the rate does not drift with the rounding to ticks.
void ExpressiveMelody::Vibrato(NoteTimeline& t, int from, int to, int elapsed) const {
    const double cycle = std::max(ExactTicks(kVibratoMillisPerCycle), 4.0);
    const int step = std::max(static_cast<int>(cycle / kVibratoPointsPerCycle), 1);
    // The point on the circle turned by one step at a time.
    const double turn = 2.0 * std::numbers::pi * step / cycle;
    const double cosTurn = std::cos(turn), sinTurn = std::sin(turn);
    const double start = 2.0 * std::numbers::pi * elapsed / cycle;
    double x = std::cos(start), y = std::sin(start);
    for (int at = from; at < to; at += step) {
        t.Bend(at, RoundHalfEven(kVibratoCents * y));
        const double nextX = x * cosTurn - y * sinTurn;
        y = y * cosTurn + x * sinTurn;
        x = nextX;
    }
}

}  // namespace sorvel
