#include "app/playresult.h"

#include <cstdio>

#include "playback/offline/offlineplay.h"

namespace sorvel {

bool CheckPlayResult(const OfflinePlayResult& result, std::string& error) {
    if (!result.finished) {
        error = "the play did not end within " + std::to_string(result.millis / 3'600'000) +
                " hours; nothing was written";
        return false;
    }
    // The play goes ahead after the message, as it does in the program.
    for (const std::string& line : result.Warnings())
        std::fprintf(stderr, "sorvel: warning: %s\n", line.c_str());
    return true;
}

}  // namespace sorvel
