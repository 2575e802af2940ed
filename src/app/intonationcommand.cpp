// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/intonationcommand.h"

#include "app/batchcontext.h"
#include "app/commandline.h"
#include "app/console.h"
#include "practice/takecheck.h"

namespace sorvel {

bool RunIntonation(const BatchCommand& cmd, UserText& error) {
    BatchContext context;
    if (!context.Load(cmd.input, error)) return false;
    if (cmd.pageChosen && !context.Page(cmd.page, error)) return false;
    UserText problem;
    const std::vector<practice::WrittenNote> written =
        practice::WrittenNotesOf(*context.book, cmd.pageChosen ? cmd.page : 0, &problem);
    if (written.empty()) {
        error = AboutFile(cmd.input, problem);
        return false;
    }
    const practice::HeardTake take = practice::HearTakeFile(cmd.take, {}, &problem);
    if (take.melody.notes.empty()) {
        error = AboutFile(cmd.take, problem);
        return false;
    }
    const practice::TakeCheck check = practice::CheckTake(written, take, listen::kA4Hz);
    if (!BatchContext::WriteOutput(cmd.output, practice::ReportCsv(check), error)) return false;
    PrintLine(stderr,
              UserText(SORVEL_TEXT("sorvel::app", "楽譜の %1 音のうち %2 音が録音にありました。"),
                       {UserText::Number(static_cast<long long>(check.notes.size())),
                        UserText::Number(check.matched)}));
    return true;
}

}  // namespace sorvel
