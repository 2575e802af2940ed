// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where the file dialogs open and the file name Save As and the exports
// propose: the last folder a dialog used, else the user's documents folder.
#include <QString>
#include <string>

namespace sorvel {

// The places the choice of a dialog's folder weighs.
struct DialogFolderPlaces {
    std::string settingsPath;  // holds the last folder ([Editor] LastFolder)
    QString initialDir;        // the documented folder of the dialogs
    QString programFolder;     // never offered: it is the program's, not the user's
    QString documents;         // the user's documents folder
};

// The last folder a dialog used, else the documented folder, whichever
// exists and is not the program's own; else the documents folder, else home.
QString DialogFolder(const DialogFolderPlaces& places);

// Keeps the folder of `chosenFile` as the last folder. A settings file that
// cannot be written keeps the folder it had: the file itself was chosen, and
// the next dialog merely opens elsewhere.
void RememberDialogFolder(const std::string& settingsPath, const QString& chosenFile);

// `title` as the name of a file: characters no file system or desktop takes
// in a name become "_", blanks and dots at the ends go, at most 80
// characters; empty when nothing is left.
QString FileNameOfTitle(const QString& title);

}  // namespace sorvel
