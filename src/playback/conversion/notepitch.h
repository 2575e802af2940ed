// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// MIDI note numbers of scale degrees, before the key is applied (the key is
// the transposition of the melody track at play time).
#include <optional>
#include <string>

#include "playback/conversion/playitems.h"

namespace sorvel {

// The note number of a degree "1"-"7" in `octave` (0 = the octave of middle
// C) with the accidental code ("a" flat, "`" sharp, anything else natural).
// 0 for a rest and for anything that is not a degree. Each note uses only its
// own accidental.
int NotePitch(const std::string& content, int octave, const std::string& rinji);

// The note number the entered-note monitor sounds for an item just entered
// or changed: the degree's pitch in the key of its page. None for anything
// but a degree "1"-"7" (a rest, a dash, a mark).
std::optional<int> MonitorNoteNumber(const TMusicItem& item);

// Gives every collected note its NoteNo: a dash sounds the pitch of the last
// note or rest before it (0 after a rest, or when nothing precedes it).
void AssignNotePitches(const PlayItems& items);

}  // namespace sorvel
