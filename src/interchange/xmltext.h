// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Text for an XML document: what XML 1.0 allows of a UTF-8 text, with a
// count of what it had to leave out, so an export never writes a file that
// an XML reader refuses.
#include <string>
#include <string_view>

namespace sorvel::interchange {

// `utf8` without the characters XML 1.0 forbids (C0 controls other than tab,
// line feed and carriage return, U+FFFE, U+FFFF, lone surrogates, malformed
// sequences); each one left out adds 1 to `leftOut`. A carriage return, alone
// or before a line feed, becomes a line feed: an XML reader reads it so anyway.
std::string XmlCharacters(std::string_view utf8, int& leftOut);

}  // namespace sorvel::interchange
