// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The manual page sorvel(1) in roff, made from the command line's tables and
// texts to translate, so that it names exactly the commands and options the
// program takes. The build writes it once for each interface language.
#include <functional>
#include <string>

#include "base/usertext.h"

namespace sorvel {

struct ManualPageSetting {
    // A text in the page's language (UTF-8).
    std::function<std::string(const UserText&)> translate;
    // The language writes no spaces between words (Japanese, Chinese): lines
    // are not justified, and may break between characters.
    bool eastAsian = false;
    std::string date;  // of the release, YYYY-MM-DD
};

std::string ManualPage(const ManualPageSetting& setting);

}  // namespace sorvel
