// SPDX-License-Identifier: GPL-3.0-or-later
// The block reader that paste uses, and the line splitting of
// score text.
#include "model/musicsheet.h"
#include "model/scoreblock.h"
#include "model/scorefile.h"

namespace sorvel {

std::vector<TMusicItem*> ReadItemBlocks(TMusicSheet& page, const std::vector<std::string>& lines) {
    std::vector<TMusicItem*> made;
    scorefile::ScoreBlock block;
    long textLines = 0;
    const bool wasSuspended = page.SortingSuspended();
    page.SuspendSorting();
    for (const std::string& line : lines) {
        if (scorefile::FeedLine(line, block) != scorefile::LineKind::End) continue;
        const scorefile::MadeItem next =
            scorefile::MakeItem(page, block, static_cast<int>(made.size()), textLines);
        if (next.overLimit) break;
        if (next.item) made.push_back(next.item);
    }
    if (!wasSuspended) page.ResumeSorting();
    scorefile::ResolveLinksAndClearNames(page);
    return made;
}

std::vector<std::string> SplitScoreLines(std::string_view text) {
    std::vector<std::string> lines;
    scorefile::LineCursor cursor(text);
    std::string_view line;
    while (cursor.Next(line)) lines.emplace_back(line);
    return lines;
}

}  // namespace sorvel
