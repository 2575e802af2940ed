// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Registers the embedded music font for this process and maps the Windows
// Japanese font names the score files use to the installed IPA fonts.
#include <QFont>
#include <QString>

namespace sorvel {

// Returns false when the embedded font could not be registered (glyphs would
// then come out as plain letters).
bool InstallMusicFont();

// The family to ask Qt for, given a font name from a score (UTF-8).
QString ResolveFontFamily(const QString& name);

// A font for text of a score: the family of `name` as above, followed by
// families that have the Simplified and Traditional Chinese and the Korean
// characters the Japanese fonts lack, which Qt takes per character.
QFont ScoreTextFont(const QString& name);

}  // namespace sorvel
