// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The playing state of one track: a copy of its events, its output settings,
// 16 note slots counting down their gates and the countdown to its next event.
// TrackTick advances it by one tick on the timer thread; it never allocates.
#include <array>
#include <atomic>
#include <cstdint>
#include <functional>
#include <vector>

#include "playback/midieventlist.h"
#include "playback/trackdata.h"

namespace sorvel {

class TPlayData;

// What the play cursor needs of the position of track 1.
struct PlayPosition {
    int measure = 0;
    int stepNo = 0;
    int index = 0;                       // of the first event of the tick
    TMusicItem* sourceItem = nullptr;    // of that event
    TMusicItem* previousItem = nullptr;  // of the event before it; none at index 0
};

// Receives the position of a track after every tick that played something; is
// called on the timer thread.
class PlayListener {
public:
    virtual ~PlayListener() = default;
    virtual void OnPlayPosition(const PlayPosition& position) = 0;
};

struct NoteSlot {
    std::uint8_t note = 0;
    std::int32_t ticksLeft = 0;
};

class TPlayTrackData {
public:
    static constexpr int kSlotCount = 16;
    static constexpr int kMaxEventsPerTick = 100;

    explicit TPlayTrackData(TPlayData& owner) : owner_(owner) {}

    // Copies the track's settings and the flat reading of its events.
    void Load(TTrackData& track);
    // Ready to play from the start: nothing sounding, not finished.
    void Rewind();
    void ClearPending();
    void SendPendingControllers();
    // Control change 120 on the track's channel, if it has one.
    void AllSoundOff();
    // A note-off on the track's current channel for every note still sounding;
    // nothing when none sounds.
    void NoteOffAll();

    void TrackTick(std::uint32_t lastMeasure);
    void TrackSkipTick();

    PlayPosition Position() const;

    TMidiEventList events;
    std::vector<PlayListener*> listeners;  // not owned; registered before play
    std::function<void(int)> tempoHandler;

    int soundMode = 2;
    bool eventsFlag = false;
    int soundingCount = 0;
    std::array<NoteSlot, kSlotCount> slots{};
    std::int32_t stepCountdown = 0;
    bool finished = false;
    std::array<std::uint8_t, 11> rolandBuffer{0xF0, 0x41, 0x10, 0x16, 0x12, 0x10,
                                              0x00, 0x00, 0x00, 0x00, 0xF7};
    int positionMeasure = 0;
    int positionStepNo = 0;
    int positionIndex = 0;

    // Controllers met while positioning, sent once before the first tick; -1 = none.
    struct Pending {
        int modulation = -1, volume = -1, pan = -1, expression = -1;
        int bendLow = -1, bendHigh = -1, program = -1;
    } pending;

    std::uint8_t number = 0;
    bool rhythm = false;
    std::uint8_t channel = kNoChannel;
    std::uint8_t keyShift = 0;
    std::uint8_t stepShift = 0;
    // Written by the mute controls on the GUI thread while the tick reads it.
    std::atomic<std::uint8_t> mode{0};

private:
    void Send(int status, int data1, int data2);
    void GateTick();
    // Handles `e` and the events after it with no step between them.
    void HandleEvents(const TMidiEvent* e, int index, bool skipping);
    void HandleEvent(const TMidiEvent& e, bool skipping);
    void NoteOn(const TMidiEvent& e);
    void ChangeChannel(int gate);
    void StoreOrSendControl(int controller, int value, bool skipping);
    void SendUserExclusive(int k, const TMidiEvent& e);
    void RecordPosition(const TMidiEvent& e, int index);

    TPlayData& owner_;
};

}  // namespace sorvel
