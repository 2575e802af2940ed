// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The export's side of pitches: the key signature a page's key text stands
// for, and a scale degree spelled as a staff pitch in it, sounding the MIDI
// note playback gives the same degree.
#include <string>
#include <string_view>

#include "interchange/importedscore.h"
#include "model/majorkey.h"

namespace sorvel::interchange {

struct ExportKey {
    int fifths = 2;  // the key signature, -7 … 7
    Tonic tonic = TonicOfFifths(2);
};

// The key of a key text. A tonic without a key signature of its own (♭Ｆ,
// ♯Ｅ, ♯Ｂ) takes the signature of the same pitch with the fewest
// accidentals; a text naming no tonic is D major, the key playback uses.
ExportKey KeyOfKeyCode(const std::string& keyCode);

// A note's accidental code as playback reads it: "a" flat (-1), "`" sharp
// (+1), anything else natural (0).
int AccidentalOfRinji(std::string_view rinji);
// Whether the code is one of the written accidentals: flat, sharp or natural ("b").
bool IsAccidentalCode(std::string_view rinji);

// The alter the key signature gives a letter (0 C … 6 B).
int KeyAlterOfLetter(int fifths, int letter);

// A note of numbered notation: degree 1 … 7, accidental -1/0/+1, octave dots.
struct Degree {
    int degree = 1;
    int accidental = 0;
    int octave = 0;
};

// The MIDI note playback sounds: the degree's semitones in the major scale
// plus the accidental, 12 per octave dot, 60, and the tonic above C.
int SoundingMidi(const ExportKey& key, const Degree& d);

// The degree's letter above the tonic, altered by the key signature and then
// by the accidental, in the octave where its MIDI note is SoundingMidi.
XmlPitch SpellDegree(const ExportKey& key, const Degree& d);

}  // namespace sorvel::interchange
