// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Comma text: a list of lines as one line, entries separated by commas and
// quoted with double quotes when they hold blanks, quotes or commas. Works
// on CP932 bytes: double-byte characters are stepped over whole.
#include <string>
#include <string_view>
#include <vector>

namespace sorvel {

std::string JoinCommaText(const std::vector<std::string>& lines);
std::vector<std::string> SplitCommaText(std::string_view text);

}  // namespace sorvel
