// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/playresult.h"

#include "app/console.h"
#include "playback/offline/offlineplay.h"

namespace sorvel {

bool CheckPlayResult(const OfflinePlayResult& result, UserText& error) {
    if (!result.finished) {
        error = UserText(SORVEL_TEXT("sorvel::app",
                                     "演奏が %1 時間以内に終わりませんでした。何も書き出して"
                                     "いません。"),
                         {UserText::Number(result.millis / 3'600'000)});
        return false;
    }
    // The play goes ahead after the message, as it does in the program.
    for (const UserText& line : result.Warnings()) ReportWarning(line);
    return true;
}

}  // namespace sorvel
