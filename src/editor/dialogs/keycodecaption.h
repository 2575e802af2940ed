// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// How the key list of the settings dialog shows a page's key text: as it is
// stored, except where a translation drops the empty string degrees.
#include <QString>
#include <string>

namespace sorvel {

// The key text (CP932 bytes) as the list shows it. A key none of whose open
// strings is a degree of the scale is stored with empty brackets
// ("１＝♭Ｅ（弦）"); the Japanese interface shows that text as it is, a
// translation shows the key alone ("１＝♭Ｅ"). Every other text is shown
// as stored.
QString KeyCodeCaption(const std::string& keyCodeBytes);

}  // namespace sorvel
