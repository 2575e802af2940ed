// SPDX-License-Identifier: GPL-3.0-or-later
#include "listen/marks.h"

#include <algorithm>
#include <cmath>

#include "base/arith.h"
#include "listen/pitchframe.h"

namespace sorvel::listen {
namespace {

constexpr int kGlideFrames = 30;       // a glide piece lasts at most ~175 ms
constexpr int kBlipFrames = 6;         // shorter pieces are never notes of their own
constexpr int kShortPieceFrames = 12;  // shorter pieces need not move to be glides
constexpr int kScoopReach = 3;         // semitones from its target where a scoop may start
// A scoop piece moves at least this far, and runs into its goal with no
// bigger jump (semitones).
constexpr float kScoopTravel = 0.5f;
constexpr int kGlideReach = 5;  // semitones a glide piece after a rest may lie from its target
constexpr float kMovingSemitones = 0.25f;
constexpr int kGlideGapFrames = 3;  // unvoiced frames between a glide piece and its goal
constexpr float kArrivingSemitones = 0.3f;
constexpr int kOctaveSlipFrames = static_cast<int>(0.1 / kHopSeconds);
// A trill: at least four steps each shorter than a fifth of a second, or
// three quicker ones (written sixteenths are seldom this quick).
constexpr int kTrillMinNotes = 4;
constexpr int kTrillNoteFrames = static_cast<int>(0.2 / kHopSeconds);
constexpr int kQuickTrillNotes = 3;
constexpr int kQuickTrillFrames = static_cast<int>(0.16 / kHopSeconds);
constexpr int kOutlierFrames = static_cast<int>(0.15 / kHopSeconds);
constexpr int kOutlierLeap = 7;  // semitones from both neighbours
constexpr int kOverlapFrames = static_cast<int>(0.25 / kHopSeconds);
constexpr int kOverlapGapFrames = 5;        // unvoiced frames either side of such a piece
constexpr double kSubharmonicSlack = 0.04;  // of a whole ratio (about 25 to 35 cents)
constexpr float kSlideSemitones = 1.5f;     // a glide of more than 150 cents
constexpr int kSlideSearch = static_cast<int>(0.3 / kHopSeconds);
constexpr float kArrived = 0.5f;
constexpr int kSlideBetween = 5;         // frames on the way: a glide, not a jump
constexpr float kHeldSemitones = 0.35f;  // a frame this near a note's semitone sounds it
constexpr float kSetOutShare = 0.25f;    // of a leap, where a glide's first frame may lie
constexpr int kSettleFrames = 8;
constexpr double kVibratoHysteresis = 8.0;  // cents
constexpr double kVibratoPeakToPeak = 30.0;
constexpr double kVibratoSlowest = 3.5, kVibratoFastest = 9.0;  // Hz
constexpr double kVibratoCoverage = 0.5;

int Length(const NoteDraft& n) {
    return n.last - n.first + 1;
}

// The spread of the pitch over a piece, in semitones (its standard deviation).
float Spread(const PitchLine& line, const NoteDraft& n) {
    double sum = 0, sq = 0;
    int count = 0;
    for (int t = n.first; t <= n.last; ++t) {
        if (!line.voiced[static_cast<std::size_t>(t)]) continue;
        const double p = line.pitch[static_cast<std::size_t>(t)];
        sum += p;
        sq += p * p;
        ++count;
    }
    if (count < 2) return 0;
    const double mean = sum / count;
    return static_cast<float>(std::sqrt(std::max(0.0, sq / count - mean * mean)));
}

// The median of the pitch over a piece, less its semitone, signed towards
// `goal`.
float Lean(const PitchLine& line, const NoteDraft& n, int goal) {
    std::vector<float> d;
    for (int t = n.first; t <= n.last; ++t)
        if (line.voiced[static_cast<std::size_t>(t)])
            d.push_back(line.pitch[static_cast<std::size_t>(t)] - static_cast<float>(n.midi));
    if (d.empty()) return 0;
    auto mid = d.begin() + static_cast<std::ptrdiff_t>(d.size() / 2);
    std::nth_element(d.begin(), mid, d.end());
    return goal > n.midi ? *mid : -*mid;
}

// The pitch of a piece comes a clear way towards the next note and runs on
// into it without a jump.
bool GlidesInto(const PitchLine& line, const NoteDraft& piece, const NoteDraft& next) {
    const auto voicedAt = [&](int from, int to, int step) {
        for (int t = from; t != to + step; t += step)
            if (line.voiced[static_cast<std::size_t>(t)]) return t;
        return -1;
    };
    const int a = voicedAt(piece.first, piece.last, 1), b = voicedAt(piece.last, piece.first, -1);
    const int c = voicedAt(next.first, next.last, 1);
    if (a < 0 || b < 0 || c < 0) return false;
    const auto at = [&](int t) { return line.pitch[static_cast<std::size_t>(t)]; };
    const float goal = static_cast<float>(next.midi);
    return std::abs(at(a) - goal) - std::abs(at(b) - goal) >= kScoopTravel &&
           std::abs(at(c) - at(b)) <= kScoopTravel;
}

// A glide piece lies on the way from the note before (when it touches it) to
// the next, however wide the leap, or within a few semitones of the next (a
// scoop from below or above, a slide after a rest); it leads into the next
// without a new attack.
bool IsGlidePiece(const PitchLine& line, const NoteDraft* before, const NoteDraft& piece,
                  const NoteDraft& next) {
    if (Length(piece) > kGlideFrames || next.first - piece.last > kGlideGapFrames || next.attacked)
        return false;
    const bool fromBefore = before && piece.first - before->last <= 2;
    const int low = fromBefore ? std::min(before->midi, next.midi) : next.midi - kGlideReach;
    const int high = fromBefore ? std::max(before->midi, next.midi) : next.midi + kGlideReach;
    // A scoop glides in from a few semitones off, wherever the note before
    // was: its pitch runs on into the next note's.
    const bool scoop =
        std::abs(piece.midi - next.midi) <= kScoopReach && GlidesInto(line, piece, next);
    if (!scoop && (piece.midi < low - 1 || piece.midi > high + 1)) return false;
    // The pitch tracker may lock an octave off the goal while a fast glide
    // is under way.
    const bool octaveOff =
        Length(piece) <= kOctaveSlipFrames && std::abs(std::abs(piece.midi - next.midi) - 12) <= 1;
    // A piece a semitone off that sits well towards the next note is that
    // note arriving (the end of a glide creeping in).
    const bool arriving =
        std::abs(piece.midi - next.midi) == 1 && Lean(line, piece, next.midi) >= kArrivingSemitones;
    return Length(piece) <= kShortPieceFrames || octaveOff || arriving ||
           Spread(line, piece) >= kMovingSemitones;
}

}  // namespace

void MergeGlides(const PitchLine& line, std::vector<NoteDraft>& notes) {
    std::size_t i = 0;
    while (i + 1 < notes.size()) {
        if (IsGlidePiece(line, i > 0 ? &notes[i - 1] : nullptr, notes[i], notes[i + 1])) {
            notes[i + 1].first = notes[i].first;
            notes[i + 1].attacked = notes[i].attacked;
            notes[i + 1].glidedIn = true;
            notes.erase(notes.begin() + static_cast<std::ptrdiff_t>(i));
            if (i > 0) --i;  // the piece before may lead into it too
        } else {
            ++i;
        }
    }
    // A blip left over joins the note it touches before it, or goes; so does
    // a piece of the same pitch without an attack of its own.
    std::vector<NoteDraft> kept;
    for (const NoteDraft& n : notes) {
        const bool continues = !kept.empty() && !n.attacked && kept.back().midi == n.midi;
        if ((Length(n) > kBlipFrames || n.attacked) && !continues) {
            kept.push_back(n);
        } else if (!kept.empty() && n.first - kept.back().last <= 2) {
            kept.back().last = n.last;
        }
    }
    notes = std::move(kept);
}

namespace {

// Notes i, i+1, … alternate between the pitches of notes i and i+1, a step
// apart, each shorter than `longest` frames and joined to the next; the last
// may be half as long again (the trill's end), no more: a longer note after
// the alternations is the next written note.
std::size_t TrillEnd(const std::vector<NoteDraft>& notes, std::size_t i, int longest) {
    if (i + 1 >= notes.size()) return i + 1;
    const int step = std::abs(notes[i + 1].midi - notes[i].midi);
    if (step != 1 && step != 2) return i + 1;
    std::size_t j = i + 1;
    while (j < notes.size() && notes[j].midi == notes[(j - i) % 2 == 0 ? i : i + 1].midi &&
           Length(notes[j - 1]) <= longest && notes[j].first - notes[j - 1].last <= 3 &&
           Length(notes[j]) <= longest * 3 / 2)
        ++j;
    return j;
}

}  // namespace

void MergeTrills(std::vector<NoteDraft>& notes) {
    std::vector<NoteDraft> out;
    std::size_t i = 0;
    while (i < notes.size()) {
        std::size_t j = TrillEnd(notes, i, kTrillNoteFrames);
        if (j - i < static_cast<std::size_t>(kTrillMinNotes))
            j = TrillEnd(notes, i, kQuickTrillFrames);
        if (j - i < static_cast<std::size_t>(kQuickTrillNotes)) {
            out.push_back(notes[i++]);
            continue;
        }
        NoteDraft t = notes[i];
        t.last = notes[j - 1].last;
        t.trill = true;
        t.midi = std::min(notes[i].midi, notes[i + 1].midi);
        t.trillUpper = std::max(notes[i].midi, notes[i + 1].midi);
        out.push_back(t);
        i = j;
    }
    notes = std::move(out);
}

namespace {

// Whether `low` lies an integer number of times (two or more) below `high`
// in frequency: a subharmonic of it.
bool Subharmonic(int low, int high) {
    const double ratio = std::exp2((high - low) / 12.0);
    return ratio > 1.5 && std::abs(ratio - RoundHalfEven(ratio)) < kSubharmonicSlack;
}

}  // namespace

void MergeOutliers(std::vector<NoteDraft>& notes) {
    for (std::size_t i = 0; i < notes.size();) {
        const NoteDraft& n = notes[i];
        const bool touchesBefore = i > 0 && n.first - notes[i - 1].last <= 3;
        const bool touchesAfter = i + 1 < notes.size() && notes[i + 1].first - n.last <= 3;
        const bool leaps =
            (i == 0 || std::abs(n.midi - notes[i - 1].midi) >= kOutlierLeap) &&
            (i + 1 == notes.size() || std::abs(n.midi - notes[i + 1].midi) >= kOutlierLeap);
        // Two notes sounding together at a change (say a fifth apart) repeat
        // at their common subharmonic, which the pitch tracker may follow:
        // that piece is the start of the note after.
        const bool overlap =
            i > 0 && i + 1 < notes.size() && n.first - notes[i - 1].last <= kOverlapGapFrames &&
            notes[i + 1].first - n.last <= kOverlapGapFrames && Length(n) <= kOverlapFrames &&
            Subharmonic(n.midi, notes[i - 1].midi) && Subharmonic(n.midi, notes[i + 1].midi);
        if (overlap) {
            notes[i + 1].first = n.first;
            notes.erase(notes.begin() + static_cast<std::ptrdiff_t>(i));
            continue;
        }
        if (Length(n) > kOutlierFrames || !leaps || (!touchesBefore && !touchesAfter)) {
            ++i;
            continue;
        }
        // Such slips come in a release or an attack: the slip goes to the
        // note it touches before, if any, else to the one after.
        if (touchesBefore) {
            notes[i - 1].last = n.last;
        } else {
            notes[i + 1].first = n.first;
            notes[i + 1].attacked = notes[i + 1].attacked || n.attacked;
        }
        notes.erase(notes.begin() + static_cast<std::ptrdiff_t>(i));
    }
}

void MarkSlides(const PitchLine& line, std::vector<NoteDraft>& notes) {
    for (std::size_t i = 0; i < notes.size(); ++i) {
        NoteDraft& n = notes[i];
        if (n.trill) continue;
        const NoteDraft* before = i > 0 ? &notes[i - 1] : nullptr;
        const bool follows = before && n.first - before->last <= kGlideGapFrames + 1;
        const int end = std::min(n.last, n.first + kSlideSearch);
        // The note's first frames may still sound the note before (its
        // release under the new one's onset): the glide starts after them.
        int t = n.first;
        while (t <= end &&
               (!line.voiced[static_cast<std::size_t>(t)] ||
                (follows && std::abs(line.pitch[static_cast<std::size_t>(t)] -
                                     static_cast<float>(before->midi)) <= kHeldSemitones)))
            ++t;
        if (t > end) continue;
        const float start = line.pitch[static_cast<std::size_t>(t)];
        const float target = static_cast<float>(n.midi);
        if (std::abs(start - target) <= kSlideSemitones) continue;
        int between = 0;
        for (; t <= end; ++t) {
            const float p = line.pitch[static_cast<std::size_t>(t)];
            if (std::abs(p - target) < kArrived) break;
            if (std::min(start, target) + 0.25f < p && p < std::max(start, target) - 0.25f)
                ++between;
        }
        if (t > end || between < kSlideBetween) continue;
        n.slideIn = true;
        n.slideFrom = RoundHalfEven(start);
        // A glide that sets out from the note it follows, with no rest
        // between, comes from that note (its first voiced frame may already
        // be a little way along a fast glide).
        if (!follows) continue;
        const float from = static_cast<float>(before->midi);
        const float along = (start - from) / (target - from);
        if (along >= 0 && std::abs(start - from) <=
                              std::max(kSlideSemitones, kSetOutShare * std::abs(target - from)))
            n.slideFrom = before->midi;
    }
}

namespace {

// The extremes of an oscillation, found with hysteresis so that the small
// jitter of a steady pitch does not count.
std::vector<std::pair<int, double>> Extremes(const std::vector<double>& cents) {
    std::vector<std::pair<int, double>> ext;
    int dir = 0, at = 0;
    for (int t = 1; t < static_cast<int>(cents.size()); ++t) {
        const double v = cents[static_cast<std::size_t>(t)],
                     e = cents[static_cast<std::size_t>(at)];
        if (dir >= 0 && v > e) {
            at = t;
        } else if (dir <= 0 && v < e) {
            at = t;
        } else if (std::abs(v - e) >= kVibratoHysteresis) {
            ext.push_back({at, e});
            dir = v > e ? 1 : -1;
            at = t;
        }
        if (dir == 0 && ext.empty() && std::abs(v - cents[0]) >= kVibratoHysteresis)
            dir = v > cents[0] ? 1 : -1;
    }
    return ext;
}

bool Oscillates(const std::vector<double>& cents) {
    const auto ext = Extremes(cents);
    if (ext.size() < 5) return false;  // two whole cycles at least
    std::vector<double> swings;
    for (std::size_t k = 1; k < ext.size(); ++k)
        swings.push_back(std::abs(ext[k].second - ext[k - 1].second));
    std::nth_element(swings.begin(),
                     swings.begin() + static_cast<std::ptrdiff_t>(swings.size() / 2), swings.end());
    const double swing = swings[swings.size() / 2];
    const double seconds = (ext.back().first - ext.front().first) * kHopSeconds;
    const double rate = (ext.size() - 1) / 2.0 / seconds;
    return swing >= kVibratoPeakToPeak && rate >= kVibratoSlowest && rate <= kVibratoFastest &&
           seconds >= kVibratoCoverage * cents.size() * kHopSeconds;
}

}  // namespace

void MarkVibrato(const PitchLine& line, std::vector<NoteDraft>& notes) {
    for (NoteDraft& n : notes) {
        if (n.trill) continue;
        int from = n.first;
        while (from < n.last && std::abs(line.pitch[static_cast<std::size_t>(from)] -
                                         static_cast<float>(n.midi)) > kArrived)
            ++from;
        from += kSettleFrames;
        const int to = n.last - kSettleFrames;
        if (to - from < static_cast<int>(0.3 / kHopSeconds)) continue;
        std::vector<double> cents;
        double held = 100.0 * n.midi;
        for (int t = from; t <= to; ++t) {
            if (line.voiced[static_cast<std::size_t>(t)])
                held = 100.0 * line.pitch[static_cast<std::size_t>(t)];
            cents.push_back(held);
        }
        // A three-frame average takes off the frame jitter.
        std::vector<double> smooth(cents.size());
        for (std::size_t k = 0; k < cents.size(); ++k)
            smooth[k] =
                (cents[k > 0 ? k - 1 : k] + cents[k] + cents[k + 1 < cents.size() ? k + 1 : k]) / 3;
        n.vibrato = Oscillates(smooth);
    }
}

}  // namespace sorvel::listen
