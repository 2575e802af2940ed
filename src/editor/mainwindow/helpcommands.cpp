// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/mainwindow/helpcommands.h"

#include <QString>

#include "editor/dialogs/frmversioninfo.h"
#include "editor/document/editorshell.h"
#include "editor/platform/helpopener.h"

namespace sorvel {

void InstallHelpCommands(const EditorContext& ctx, const std::string& language) {
    EditorShell& shell = ctx.shell;
    ctx.shell.BindCommand("actHelp", [&shell, language = QString::fromStdString(language)] {
        OpenHelp(
            shell.Window(), DesktopOpener(),
            [&shell](const QString& message) {
                shell.Dialogs().showError(shell.Window(), message);
            },
            language);
    });
    ctx.shell.BindCommand("actVer", [&shell] {
        TfrmVersionInfo about(shell.Window());
        about.exec();
    });
}

}  // namespace sorvel
