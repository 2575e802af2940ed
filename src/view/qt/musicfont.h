#pragma once
// Registers the embedded music font for this process and maps the Windows
// Japanese font names the score files use to the installed IPA fonts.
#include <QString>

namespace sorvel {

// Returns false when the embedded font could not be registered (glyphs would
// then come out as plain letters).
bool InstallMusicFont();

// The family to ask Qt for, given a font name from a score (UTF-8).
QString ResolveFontFamily(const QString& name);

}  // namespace sorvel
