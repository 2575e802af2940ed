#pragma once
// The 128 programs of General MIDI as the play dialog lists them: the
// three-digit program number from 001, a colon and the short name.
#include <QStringList>

namespace sorvel {

inline constexpr int kGeneralMidiProgramCount = 128;

// Entry i is program i ("001:Piano 1" ... "128:Gun Shot").
QStringList GeneralMidiProgramEntries();

}  // namespace sorvel
