// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/resave.h"

#include "app/batchcontext.h"
#include "app/commandline.h"
#include "model/scorefile.h"

namespace sorvel {

bool RunResave(const BatchCommand& cmd, UserText& error) {
    BatchContext context;
    if (!context.Load(cmd.input, error)) return false;
    SaveResult saved = SaveScoreFile(*context.book, cmd.output);
    if (!saved.ok) {
        // The message names the file already.
        error = WithDetail(saved.message, saved.detail);
        return false;
    }
    return true;
}

}  // namespace sorvel
