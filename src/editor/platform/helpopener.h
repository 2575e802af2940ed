// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Opens the help pages that travel inside the program: they are copied into the
// user's cache folder (a browser cannot read Qt resources) and the table of
// contents is handed to the desktop's browser.
#include <QString>
#include <functional>

class QWidget;

namespace sorvel {

// The desktop's program that opens a file in the user's browser (xdg-open),
// from PATH; empty when there is none.
QString DesktopOpener();

// Copies the help pages when needed and opens the table of contents in the
// user's browser (that of `language`, see HelpIndexPage), with the wait cursor over `parent`
// meanwhile (may be null). `opener` is run with the page's URL and watched: xdg-open reports a
// missing browser only by its exit status. With no opener, Qt's desktop
// services take the page. When the pages cannot be copied or no browser
// shows them, `report` gets a message for the user, at once or when the
// opener has failed; never once `parent` is gone.
void OpenHelp(QWidget* parent, const QString& opener,
              const std::function<void(const QString& message)>& report,
              const QString& language = QString());

// The table of contents of the help pages in `folder` for `language` (an
// interface language code such as "en"), relative to the folder:
// "<language>/index.html" where the pages are translated, else the Japanese
// "index.html".
QString HelpIndexPage(const QString& folder, const QString& language);

// The folder OpenHelp copies the pages to: the user's cache folder + "/help".
// Empty when the platform knows no cache folder.
QString HelpFolder();

// Writes every embedded page under ":/help" into `folder`, keeping the
// subfolders; a file whose content is already the program's is left alone.
// False with a message in `error` (may be null) on the first failure.
bool CopyHelpPages(const QString& folder, QString* error);

}  // namespace sorvel
