// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Frequencies, MIDI note numbers and cents: the one place that converts
// between them, so every part of the listening library agrees on A4 = 69.
namespace sorvel::listen {

inline constexpr double kA4Hz = 440.0;
inline constexpr int kA4Midi = 69;

// The fractional MIDI number of a frequency against a reference for A4.
double MidiOfHz(double hz, double a4Hz = kA4Hz);
// The frequency of a fractional MIDI number against a reference for A4.
double HzOfMidi(double midi, double a4Hz = kA4Hz);
// Cents from b to a (positive when a is higher).
double CentsBetween(double aHz, double bHz);

}  // namespace sorvel::listen
