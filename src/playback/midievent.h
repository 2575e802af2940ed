// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One event of a track: a note (type 0-127) or a control event (128-255) with its
// step, gate and velocity; measure and step number are filled by measure numbering.
#include <cstdint>
#include <string>

namespace sorvel {

class TMusicItem;  // the score item an event was made from; never owned here

// Event type codes above the note range. The short labels in the comments are
// the names the event editors of sequence files use.
namespace evt {
constexpr std::uint16_t kUserExc0 = 144;  // "UseExc" 0 (0-7: 144-151)
constexpr std::uint16_t kUserExc7 = 151;
constexpr std::uint16_t kTrackExc = 152;     // "Tr.Exc"
constexpr std::uint16_t kRolBase = 221;      // "RolBase": address high / middle
constexpr std::uint16_t kRolPara = 222;      // "RolPara": address low / data
constexpr std::uint16_t kRolDev = 223;       // "RolDev#": device id / model id
constexpr std::uint16_t kBankPrg = 226;      // "BankPrg": program / bank
constexpr std::uint16_t kKeyScan = 229;      // "KeyScan"
constexpr std::uint16_t kMidiChannel = 230;  // "MIDI CH.": 1-16, 0 = off
constexpr std::uint16_t kTempo = 231;        // "TEMPO"
constexpr std::uint16_t kAfterC = 234;       // "AFTER C." channel pressure
constexpr std::uint16_t kControl = 235;      // "CONTROL"
constexpr std::uint16_t kProgram = 236;      // "PROGRAM"
constexpr std::uint16_t kAfterK = 237;       // "AFTER K." key pressure
constexpr std::uint16_t kPitch = 238;        // "PITCH"
constexpr std::uint16_t kMusicKey = 245;     // "Music Key": the step holds the key
constexpr std::uint16_t kComment = 246;
constexpr std::uint16_t kCommentCont = 247;
constexpr std::uint16_t kLoopEnd = 248;  // the step holds the repeat count
constexpr std::uint16_t kLoopStart = 249;
constexpr std::uint16_t kSameMeasure = 252;  // gate: measure; velocity: its first index
constexpr std::uint16_t kMeasureEnd = 253;   // velocity: the measure's ticks
constexpr std::uint16_t kEndOfTrack = 254;
constexpr std::uint16_t kFirstNonTiming = 240;  // types from here on carry no step
}  // namespace evt

// Ticks per quarter note of every sequence the program builds.
constexpr int kTimeBase = 48;

struct TMidiEvent {
    std::uint16_t measure = 0;
    std::uint16_t stepNo = 0;
    std::uint16_t type = 0;
    std::uint16_t step = 0;
    std::uint16_t gate = 0;
    std::uint16_t velocity = 0;
    std::string text;  // the 20 characters of a comment event
    TMusicItem* sourceItem = nullptr;

    bool IsNote() const { return type < 128; }
};

// An event of the four stored fields; measure numbering fills the rest.
inline TMidiEvent MakeEvent(std::uint16_t type, std::uint16_t step = 0, std::uint16_t gate = 0,
                            std::uint16_t velocity = 0) {
    TMidiEvent e;
    e.type = type;
    e.step = step;
    e.gate = gate;
    e.velocity = velocity;
    return e;
}

// The end-of-track event of a track made in memory: every field 254, numbered 1/1.
TMidiEvent MakeEndOfTrackEvent();

}  // namespace sorvel
