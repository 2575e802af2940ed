// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The one codec between the program's byte strings (Windows code page 932,
// "Shift-JIS") and UTF-8, the encoding of everything the user sees.
//
// A character the bytes cannot hold as itself is kept inside them as the
// numeric reference "&#xHHHH;" (its code point in hexadecimal), so a score
// file stays Shift-JIS and loses nothing:
// - a character CP932 has no form for (Simplified Chinese, Korean, emoji);
// - a character whose CP932 form reads back as another one ("¥" would come
//   back as "\", "‾" as "~"), so what is saved reads back as what was typed;
// - a control character (a line break, a tab), so no value ever holds a raw
//   line end that would split the line it is written on.
// The exceptions are the Japanese compatibility pairs, which JIS and CP932
// name twice (〜/～, ‖/∥, −/－, —/―, ¢/￠, £/￡, ¬/￢): they are written as
// the CP932 character, as Japanese Windows programs write them, and read
// back in that form. An "&" that the user typed before "#x" is itself written
// as "&#x26;", so typed text is never read as a reference.
#include <string>
#include <string_view>
#include <vector>

namespace sorvel::cp932 {

// True for the first byte of a double-byte character.
bool IsLeadByte(unsigned char c);

// CP932 bytes of one text (a title, a text-box line) to UTF-8, references read
// back as their characters. Bytes that do not form a character become U+FFFD.
// A reference is read only where the writer puts one (see above), or
// "&#x26;" before "#x"; any other "&#x" text (from an older file) is shown as
// it stands.
std::string ToUtf8(std::string_view bytes);

// UTF-8 text to CP932 bytes, references where the bytes cannot hold a
// character as itself; malformed UTF-8 becomes "?".
std::string FromUtf8(std::string_view utf8);

// A whole score text of several lines (the clipboard's) to UTF-8: its line
// ends, its control references and its escaped "&" stay as the file has
// them, so the text keeps its lines; only characters that are references
// because CP932 lacks them are shown as themselves.
std::string ScoreTextToUtf8(std::string_view bytes);

// The reverse of ScoreTextToUtf8: characters the bytes cannot hold as
// themselves become references; control characters (the line ends) and any
// "&#x" text stay as they are, for the text is in the file's form already.
std::string ScoreTextFromUtf8(std::string_view utf8);

// The bytes with every raw control byte (below 0x20, and 0x7F) written as
// its reference, as FromUtf8 writes a control character: for values that did
// not come through the codec (an older file, a program's own text). A control
// byte is never the second byte of a pair, so the rest stays as it is.
std::string ReferenceControls(std::string bytes);

// The lines of one text's bytes: split at its line breaks (CR LF, CR or LF,
// raw or as references), a typed "&#x" text never counted as one.
std::vector<std::string> SplitLineBreaks(std::string_view bytes);

// Number of bytes of the character that starts at `pos` (1 or 2).
std::size_t CharLength(std::string_view bytes, std::size_t pos);

}  // namespace sorvel::cp932
