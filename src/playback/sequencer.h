// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Plays the tracks of a sequence in real time: counts ticks from the time source
// on every timer period, lets every track play what is due, reports positions to
// the listeners and, at the end, stops or starts the next pass of the play.
// Driven by a TMMTimer while playing live, or by calling SequencerTick after
// advancing a virtual clock (tests, offline rendering).
#include <atomic>
#include <cstdint>

#include "playback/playdata.h"
#include "playback/timesource.h"

namespace sorvel {

class TMMTimer;

// The program's play settings the sequencer needs; taken at every StartPlay.
struct SequencerOptions {
    static constexpr int kMinTempoPercent = 40;
    static constexpr int kMaxTempoPercent = 150;
    static constexpr int kTempoRiseStep = 5;  // percentage points a pass

    int playBias = 0;           // key offset + the play dialog's transposition, semitones
    int playCount = 1;          // passes of the piece; at least 1
    bool noClickRepeat = true;  // the count-in is removed after the first pass
    // Practice loops: passes until stopped, the first pass's speed in percent
    // of the written tempo (40-150), and whether each further pass is 5
    // percentage points faster, up to 100.
    bool endless = false;
    int tempoPercent = 100;
    bool tempoRise = false;

    // The speed of pass `pass` (0 = the first) in percent.
    int PassTempoPercent(int pass) const;
};

// The GUI side of the end of a pass. All three are called on the timer thread
// (or whichever thread drives the ticks). RemoveCountIn must edit the sequence
// before it returns, on the calling thread (sorvel::RemoveCountIn of
// conversion/removecountin.h): the next pass copies the tracks right after it,
// so it cannot be queued. OnPassStarting and OnPlayFinished may hand their
// GUI work over with a queued call.
class SequencerHost {
public:
    virtual ~SequencerHost() = default;
    virtual void RemoveCountIn() {}   // before the second pass, if wanted
    virtual void OnPassStarting() {}  // a further pass begins: clear the play cursor
    virtual void OnPlayFinished() {}  // the last pass ended: stopped state, redraw
    // A pass began (0 = the first) at `tempoPercent` of the written speed.
    virtual void OnPassBegun(int /*pass*/, int /*tempoPercent*/) {}
};

class Sequencer {
public:
    static constexpr std::uint32_t kNoMeasureLimit = UINT32_MAX;
    // Half of the 1 ms timer period: how early a tick may run.
    static constexpr std::int64_t kHalfTimerPeriodMicros = 500;

    Sequencer(TPlayData& play, const TimeSource& clock, SequencerHost* host = nullptr);
    ~Sequencer();
    Sequencer(const Sequencer&) = delete;
    Sequencer& operator=(const Sequencer&) = delete;

    // Lets `timer` drive the ticks (its handler becomes SequencerTick) and be
    // switched on and off with the play. nullptr: the caller drives. The timer
    // must stay alive until it is detached or the sequencer is destroyed.
    void AttachTimer(TMMTimer* timer);

    // The tempo in beats per minute for the tick period, at the speed of the
    // pass; values above 255 count as 255. Any thread.
    void SetTickTempo(int value);
    // The speed of the pass under way, in percent of the written tempo.
    int TempoPercent() const { return tempoPercent_.load(std::memory_order_relaxed); }
    std::uint32_t TickPeriodMicros() const { return tickPeriod_.load(std::memory_order_relaxed); }

    // A new play of all tracks from the start: the pass count becomes 0.
    void StartPlay(const SequencerOptions& options);
    // Starts playing tracks first..last from startMeasure, transposed by the
    // options' bias.
    void StartSequencer(int first, int last, std::uint32_t lastMeasure, int startMeasure);
    void SequencerTick();
    // Stops the play from the GUI thread: timer off, all sound off.
    void StopPlayback();

    // "MUTE(交互)": the melody is muted on every second pass. Any thread.
    void SetAlternateMute(bool on) { alternateMute_.store(on); }
    bool IsPlaying() const { return playing_.load(); }
    int PassCount() const { return passCount_.load(); }
    // Ticks run since the sequencer was made: an offline recorder places the
    // messages of a tick call at this tick.
    std::uint32_t TickCount() const { return tickCount_.load(std::memory_order_relaxed); }

private:
    void StartPass(int first, int last, std::uint32_t lastMeasure, int startMeasure);
    void EnableTimer(bool on);
    void EndOfPass();
    void AllSoundOff();
    int SkipTicksBeforeStart() const;
    void SetPassTempo(int pass);

    TPlayData& play_;
    const TimeSource& clock_;
    SequencerHost* host_;
    TMMTimer* timer_ = nullptr;
    SequencerOptions options_;

    int first_ = 1;
    int last_ = TPlayData::kTrackCount;
    std::uint32_t lastMeasure_ = kNoMeasureLimit;
    int startMeasure_ = 1;
    std::int64_t nextTickMicros_ = 0;  // due time of the next tick on the time source

    // Shared between the GUI thread and the timer thread.
    std::atomic<std::uint32_t> tickPeriod_{0};
    std::atomic<int> tickTempo_{120};     // the last tempo value set
    std::atomic<int> tempoPercent_{100};  // the speed of the pass
    std::atomic<bool> playing_{false};
    std::atomic<bool> stopRequested_{false};
    std::atomic<bool> alternateMute_{false};
    std::atomic<int> passCount_{0};
    std::atomic<std::uint32_t> tickCount_{0};
};

}  // namespace sorvel
