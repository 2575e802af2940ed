// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The 128 programs of General MIDI as the play dialog lists them: the
// three-digit program number from 001, a colon and the name.
#include <QStringList>

namespace sorvel {

inline constexpr int kGeneralMidiProgramCount = 128;

// Where the list's names come from: the common name of each program in the
// interface language (the Japanese names are the source texts, translated
// in the context "sorvel::GeneralMidi"), or the short names the list has
// always had ("001:Piano 1" ... "128:Gun Shot") in every language.
enum class ProgramNames { InterfaceLanguage, ShortNames };

// Entry i is program i.
QStringList GeneralMidiProgramEntries(ProgramNames names);

}  // namespace sorvel
