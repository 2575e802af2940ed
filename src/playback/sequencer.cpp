// SPDX-License-Identifier: GPL-3.0-or-later
#include "playback/sequencer.h"

#include <algorithm>

#include "playback/controllerreset.h"
#include "playback/mmtimer.h"
#include "playback/rcpdata.h"

namespace sorvel {

namespace {

constexpr int kMinTempo = 10;
constexpr int kMaxTempo = 240;
constexpr int kTempoScaleUnity = 64;
constexpr int kStartCountdown = 10;

}  // namespace

int SequencerOptions::PassTempoPercent(int pass) const {
    const int first = std::clamp(tempoPercent, kMinTempoPercent, kMaxTempoPercent);
    if (!tempoRise || first >= 100) return first;
    return std::min(first + kTempoRiseStep * std::max(pass, 0), 100);
}

Sequencer::Sequencer(TPlayData& play, const TimeSource& clock, SequencerHost* host)
    : play_(play), clock_(clock), host_(host) {
    for (int j = 1; j <= TPlayData::kTrackCount; ++j)
        play_.Track(j).tempoHandler = [this](int value) { SetTickTempo(value); };
    SetTickTempo(120);
}

Sequencer::~Sequencer() {
    AttachTimer(nullptr);
}

void Sequencer::AttachTimer(TMMTimer* timer) {
    if (timer_) {
        timer_->SetEnabled(false);
        timer_->SetOnTimer(nullptr);
    }
    timer_ = timer;
    if (timer_) timer_->SetOnTimer([this](TMMTimer&) { SequencerTick(); });
}

void Sequencer::SetTickTempo(int value) {
    const int v = std::clamp(value, 0, 255);
    tickTempo_.store(v, std::memory_order_relaxed);
    const int scale = play_.Rcp().tempo.load(std::memory_order_relaxed);
    const std::int64_t t = std::clamp((v * scale + 33) / kTempoScaleUnity, kMinTempo, kMaxTempo);
    // A tick is a 48th of a beat, to the microsecond; slower or faster passes
    // lengthen or shorten it (at 100 % this is 12'500'000 / t, rounded).
    const std::int64_t percent = tempoPercent_.load(std::memory_order_relaxed);
    tickPeriod_.store(static_cast<std::uint32_t>((1'250'000'000 / (t * percent) + 5) / 10),
                      std::memory_order_relaxed);
}

// The speed goes into the period at once, before the pass's own tempo event
// sets it again: the first ticks of the pass run at the new speed too.
void Sequencer::SetPassTempo(int pass) {
    const int percent = options_.PassTempoPercent(pass);
    if (percent == tempoPercent_.load(std::memory_order_relaxed)) return;
    tempoPercent_.store(percent, std::memory_order_relaxed);
    SetTickTempo(tickTempo_.load(std::memory_order_relaxed));
}

void Sequencer::EnableTimer(bool on) {
    playing_.store(on);
    if (timer_) timer_->SetEnabled(on);
}

void Sequencer::StartPlay(const SequencerOptions& options) {
    options_ = options;
    options_.playCount = std::max(options_.playCount, 1);
    passCount_.store(0);
    stopRequested_.store(false);
    SetPassTempo(0);
    StartSequencer(1, TPlayData::kTrackCount, kNoMeasureLimit, 1);
    if (host_) host_->OnPassBegun(0, TempoPercent());
}

void Sequencer::StartSequencer(int first, int last, std::uint32_t lastMeasure, int startMeasure) {
    play_.Rcp().playBias = options_.playBias;
    play_.transposition.store(options_.playBias);
    StartPass(first, last, lastMeasure, startMeasure);
}

// The transposition is left alone: a change made while playing holds for the
// passes after it.
void Sequencer::StartPass(int first, int last, std::uint32_t lastMeasure, int startMeasure) {
    TRcpData& rcp = play_.Rcp();
    first_ = std::clamp(first, 1, TPlayData::kTrackCount);
    last_ = std::clamp(last, first_, TPlayData::kTrackCount);
    lastMeasure_ = lastMeasure;
    startMeasure_ = startMeasure;
    rcp.tempo = kTempoScaleUnity;

    for (int j = first_; j <= last_; ++j) {
        rcp.Track(j).events.ResolveSameMeasures();
        play_.Track(j).Load(rcp.Track(j));
    }
    for (int j = 1; j <= TPlayData::kTrackCount; ++j) play_.Track(j).ClearPending();

    nextTickMicros_ = clock_.NowMicros();
    int minShift = 255;
    for (int j = first_; j <= last_; ++j) {
        play_.Track(j).Rewind();
        minShift = std::min<int>(minShift, play_.Track(j).stepShift);
    }
    for (int j = first_; j <= last_; ++j)
        play_.Track(j).stepCountdown = play_.Track(j).stepShift - minShift + kStartCountdown;

    const int skips = SkipTicksBeforeStart();
    for (int k = 0; k < skips; ++k) {
        for (int j = first_; j <= last_; ++j) {
            TPlayTrackData& t = play_.Track(j);
            if (t.events.Count() > 1 && !t.finished) t.TrackSkipTick();
        }
    }
    for (int j = first_; j <= last_; ++j) play_.Track(j).SendPendingControllers();
    EnableTimer(true);
}

// Ticks from the start of the first track to its start measure, plus the
// countdown down to 1: positioning leaves every track one tick before its first
// event due.
int Sequencer::SkipTicksBeforeStart() const {
    const TPlayTrackData& t = play_.Track(first_);
    const int target = t.events.FindMeasure(startMeasure_, 1);
    int sum = 0;
    for (int i = 0; i < target; ++i) {
        const TMidiEvent& e = t.events.Get(i);
        if (e.type == evt::kEndOfTrack) break;
        if (e.type <= evt::kFirstNonTiming) sum += e.step;
    }
    return sum + t.stepCountdown - 1;
}

void Sequencer::SequencerTick() {
    if (stopRequested_.load() || !playing_.load()) return;
    // Due times are kept to the microsecond, and a tick runs at the timer call
    // nearest to its due time: at most half a timer period early instead of
    // up to a whole period late, which halves the average distance of an
    // onset from its exact time. A late thread still runs every due tick.
    const std::int64_t now = clock_.NowMicros();
    bool ticked = false;
    while (now >= nextTickMicros_ - kHalfTimerPeriodMicros) {
        nextTickMicros_ += tickPeriod_.load(std::memory_order_relaxed);
        for (int j = first_; j <= last_; ++j) play_.Track(j).TrackTick(lastMeasure_);
        tickCount_.fetch_add(1, std::memory_order_relaxed);
        ticked = true;
    }
    // Positions only after a tick: the calls in between would repeat the last
    // one to the GUI every millisecond.
    for (int j = first_; j <= last_ && ticked; ++j) {
        const TPlayTrackData& t = play_.Track(j);
        if (!t.eventsFlag || t.listeners.empty()) continue;
        const PlayPosition position = t.Position();
        for (PlayListener* listener : t.listeners) listener->OnPlayPosition(position);
    }
    for (int j = first_; j <= last_; ++j) {
        const TPlayTrackData& t = play_.Track(j);
        if (t.events.Count() > 1 && !t.finished) return;
    }
    EndOfPass();
}

void Sequencer::EndOfPass() {
    EnableTimer(false);
    const int passes = passCount_.load();
    if (passes == 0 && options_.noClickRepeat && host_) host_->RemoveCountIn();
    const bool more = options_.endless || passes < options_.playCount - 1;
    if (!stopRequested_.load() && more) {
        // A note whose gate outlasts its track would otherwise hang into the
        // next pass: starting a pass forgets the sounding notes, and loading
        // the tracks may move them to another channel.
        for (int j = first_; j <= last_; ++j) play_.Track(j).NoteOffAll();
        if (host_) host_->OnPassStarting();
        // The next pass loads the mode of track 1 from the sequence.
        if (alternateMute_.load()) play_.Rcp().Track(1).mode.fetch_xor(track_mode::kMuted);
        SetPassTempo(passes + 1);
        StartPass(1, TPlayData::kTrackCount, kNoMeasureLimit, 1);
        passCount_.store(passes + 1);
        if (host_) host_->OnPassBegun(passes + 1, TempoPercent());
    } else {
        AllSoundOff();
        if (host_) host_->OnPlayFinished();
    }
}

void Sequencer::StopPlayback() {
    stopRequested_.store(true);
    EnableTimer(false);
    // A tick that was under way may have started the next pass and switched the
    // timer on again; every later tick sees the stop request and does nothing.
    EnableTimer(false);
    AllSoundOff();
    // Stopped before its end, an expressive melody leaves its bend set.
    for (int j = 1; j <= TPlayData::kTrackCount; ++j)
        ResetExpressiveControllers(play_.Track(j), play_.Output());
}

void Sequencer::AllSoundOff() {
    for (int j = 1; j <= TPlayData::kTrackCount; ++j) play_.Track(j).AllSoundOff();
}

}  // namespace sorvel
