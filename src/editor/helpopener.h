#pragma once
// Opens the help pages that travel inside the program: they are copied into the
// user's cache folder (a browser cannot read Qt resources) and the table of
// contents is handed to the desktop's browser.
#include <QString>

class QWidget;

namespace sorvel {

// Copies the help pages when needed and opens index.html in the desktop's
// browser, with the wait cursor over `parent` meanwhile (may be null). False
// with a message for the user in `error` (may be null) when the pages cannot
// be copied or no browser takes them.
bool OpenHelp(QWidget* parent, QString* error);

// The folder OpenHelp copies the pages to: the user's cache folder + "/help".
// Empty when the platform knows no cache folder.
QString HelpFolder();

// Writes every embedded page under ":/help" into `folder`, keeping the
// subfolders; a file whose content is already the program's is left alone.
// False with a message in `error` (may be null) on the first failure.
bool CopyHelpPages(const QString& folder, QString* error);

}  // namespace sorvel
