// SPDX-License-Identifier: GPL-3.0-or-later
#include "practice/writtennotes.h"

#include <algorithm>
#include <map>

#include "model/musicbook.h"
#include "model/musicsheet.h"
#include "model/note.h"
#include "model/preferences.h"
#include "playback/conversion/buildsequence.h"
#include "playback/conversion/keyoffset.h"
#include "playback/conversion/playitems.h"
#include "playback/conversion/sequencewriter.h"
#include "playback/rcpdata.h"

namespace sorvel::practice {
namespace {

// The sequencer's tempo range and its tick period, so that the times here are
// the times of a play.
constexpr int kMinTempo = 10;
constexpr int kMaxTempo = 240;

double TickSeconds(int tempo) {
    const int t = std::clamp(tempo, kMinTempo, kMaxTempo);
    return ((12'500'000 / t + 5) / 10) / 1e6;
}

// The bar of every note of a piece on its page: bar lines counted from the
// page's first note (a bar line before any note of a page opens nothing).
std::map<const TNote*, int> BarsOnPages(const PlayItems& items) {
    std::map<const TNote*, int> bars;
    const TMusicSheet* page = nullptr;
    int bar = 1;
    bool noteSinceBarLine = false;
    for (const TMusicItem* item : items) {
        if (!item) continue;
        if (&item->Sheet() != page) {
            page = &item->Sheet();
            bar = 1;
            noteSinceBarLine = false;
        }
        if (item->Class() == ItemClass::BarLine) {
            if (noteSinceBarLine) ++bar;
            noteSinceBarLine = false;
        } else if (const TNote* note = item->As<TNote>()) {
            bars[note] = bar;
            noteSinceBarLine = true;
        }
    }
    return bars;
}

// Reads the melody track of a built sequence as the sequencer plays it: a
// note struck while the same pitch still sounds only holds that note on.
class MelodyReader {
public:
    MelodyReader(const TMusicBook& book, std::map<const TNote*, int> bars, double startSeconds,
                 double startBeat)
        : book_(book), bars_(std::move(bars)), seconds_(startSeconds), startBeat_(startBeat) {}

    void Read(const TMidiEventList& events, int tempo, int bias, std::vector<WrittenNote>& out) {
        tempo_ = tempo;
        for (const TMidiEvent& e : events.Events()) {
            if (e.type == evt::kTempo) tempo_ = e.gate;
            if (e.IsNote() && e.type > 0 && e.gate > 0 && e.velocity > 0)
                Strike(e, std::clamp(e.type + bias, 0, 127), out);
            if (e.type < evt::kFirstNonTiming) Advance(e.step, out);
        }
        Close(out);
    }
    double Seconds() const { return seconds_; }
    double Beat() const { return startBeat_ + tick_ / static_cast<double>(kTimeBase); }

private:
    void Strike(const TMidiEvent& e, int midi, std::vector<WrittenNote>& out) {
        const bool heldOn = open_ && out.back().midi == midi && soundingUntil_ > tick_;
        soundingUntil_ = tick_ + e.gate;
        if (heldOn) return;
        Close(out);
        WrittenNote note;
        note.number = static_cast<int>(out.size()) + 1;
        note.midi = midi;
        note.onset = seconds_;
        note.beat = Beat();
        if (const TNote* item = e.sourceItem ? e.sourceItem->As<TNote>() : nullptr) {
            note.item = item;
            note.page = book_.IndexOfSheet(&item->Sheet()) + 1;
            const auto bar = bars_.find(item);
            note.bar = bar == bars_.end() ? 0 : bar->second;
        }
        out.push_back(note);
        open_ = true;
        endSeconds_ = seconds_;
        endTick_ = tick_;
    }
    void Advance(int step, std::vector<WrittenNote>& out) {
        if (step <= 0) return;
        // A note held on runs to the end of the step that holds it.
        const bool holding = open_ && soundingUntil_ > tick_;
        tick_ += step;
        seconds_ += step * TickSeconds(tempo_);
        if (holding) {
            endSeconds_ = seconds_;
            endTick_ = tick_;
        } else {
            Close(out);
        }
    }
    void Close(std::vector<WrittenNote>& out) {
        if (!open_) return;
        WrittenNote& note = out.back();
        note.length = endSeconds_ - note.onset;
        note.beats = startBeat_ + endTick_ / static_cast<double>(kTimeBase) - note.beat;
        open_ = false;
    }

    const TMusicBook& book_;
    std::map<const TNote*, int> bars_;
    double seconds_;
    double startBeat_;
    long long tick_ = 0;
    int tempo_ = 120;
    bool open_ = false;
    long long soundingUntil_ = 0;
    double endSeconds_ = 0;
    long long endTick_ = 0;
};

// The first and last note of `page` in play-item order.
std::pair<TNote*, TNote*> PageNotes(const PlayItems& items, const TMusicSheet& page) {
    TNote* first = nullptr;
    TNote* last = nullptr;
    for (TMusicItem* item : items) {
        TNote* note = item ? item->As<TNote>() : nullptr;
        if (!note || &note->Sheet() != &page) continue;
        if (!first) first = note;
        last = note;
    }
    return {first, last};
}

// Appends the notes of one play of the piece holding `page` (from `first` to
// `last`; none: all of it); returns the seconds and beats it ended at.
std::pair<double, double> AppendPlay(const TMusicBook& book, TMusicSheet& page, TNote* first,
                                     TNote* last, double seconds, double beat,
                                     std::vector<WrittenNote>& out) {
    const Preferences prefs;
    PlayOptions options;
    options.playScoreTempo = true;
    TRcpData rcp;
    rcp.SetStartupValues();
    const BuildResult built = BuildSequence(rcp, page, first, last, options, prefs);
    MelodyReader reader(book, BarsOnPages(CollectPlayItems(page)), seconds, beat);
    reader.Read(rcp.Track(conv_track::kMelody).events, built.startTempo, KeyOffset(page), out);
    return {reader.Seconds(), reader.Beat()};
}

UserText NoPage(int page) {
    return UserText(SORVEL_TEXT("sorvel::practice", "%1 ページはありません。"),
                    {UserText::Number(page)});
}

}  // namespace

std::vector<WrittenNote> WrittenNotesOf(TMusicBook& book, int page, UserText* error) {
    std::vector<WrittenNote> notes;
    if (page < 0 || page > book.SheetCount()) {
        if (error) *error = NoPage(page);
        return notes;
    }
    if (page > 0) {
        TMusicSheet& sheet = *book.GetSheet(page - 1);
        const auto [first, last] = PageNotes(CollectPlayItems(sheet), sheet);
        if (first) AppendPlay(book, sheet, first, last, 0, 0, notes);
    } else {
        double seconds = 0, beat = 0;
        int done = -1;
        for (int i = 0; i < book.SheetCount(); ++i) {
            const int start = PieceStartPageIndex(book, i);
            if (start == done) continue;
            done = start;
            std::tie(seconds, beat) =
                AppendPlay(book, *book.GetSheet(start), nullptr, nullptr, seconds, beat, notes);
        }
    }
    // Times count from the first note, not from the play's lead-in tick.
    const double leadSeconds = notes.empty() ? 0 : notes.front().onset;
    const double leadBeats = notes.empty() ? 0 : notes.front().beat;
    for (std::size_t i = 0; i < notes.size(); ++i) {
        notes[i].number = static_cast<int>(i) + 1;
        notes[i].onset -= leadSeconds;
        notes[i].beat -= leadBeats;
    }
    if (notes.empty() && error)
        *error = UserText(SORVEL_TEXT("sorvel::practice", "演奏する音符がありません。"));
    return notes;
}

}  // namespace sorvel::practice
