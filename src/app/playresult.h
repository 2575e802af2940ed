// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the play commands (--export-midi, --render-wav) make of how a play
// ended.
#include "base/usertext.h"

namespace sorvel {

struct OfflinePlayResult;

// A play that went ahead despite a problem of the score, or that had to be
// given up; false for the latter, with `error` set. Warnings go to stderr.
bool CheckPlayResult(const OfflinePlayResult& result, UserText& error);

}  // namespace sorvel
