// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/dialogs/editordialogs.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QMessageBox>

#include "editor/dialogs/nameonlyiconprovider.h"
#include "editor/dialogs/newbookdialog.h"

namespace sorvel {

namespace {

QString ProgramName() {
    return QCoreApplication::translate(kEditorDialogsContext, kProgramName);
}

SaveAnswer AskSaveChanges(QWidget* parent) {
    const auto answer = QMessageBox::question(
        parent, ProgramName(), QCoreApplication::translate(kEditorDialogsContext, kAskSaveChanges),
        QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Yes);
    if (answer == QMessageBox::Yes) return SaveAnswer::Yes;
    if (answer == QMessageBox::No) return SaveAnswer::No;
    return SaveAnswer::Cancel;
}

QString AskOpenPath(QWidget* parent, const QString& folder) {
    return AskOpenFile(parent, "OpenDialog1", kOpenFilter, kScoreExtension, folder);
}

QString AskSavePath(QWidget* parent, const QString& folder, const QString& current) {
    return AskSaveFile(parent, "SaveDialog1", kSaveFilter, kScoreExtension, folder, current);
}

void ShowError(QWidget* parent, const QString& text) {
    QMessageBox::critical(parent, ProgramName(), text);
}

void ShowInfo(QWidget* parent, const QString& text) {
    QMessageBox::information(parent, ProgramName(), text);
}

bool AskYesNo(QWidget* parent, const QString& text) {
    return QMessageBox::question(parent, ProgramName(), text, QMessageBox::Yes | QMessageBox::No,
                                 QMessageBox::No) == QMessageBox::Yes;
}

// Qt's own dialog, the same on every desktop, with icons and types told by
// the names of the files: the desktop's dialog and Qt's own icons would read
// the files of a folder such as /proc, where reading kmsg never returns.
void SetUpFileDialog(QFileDialog& dialog, QAbstractFileIconProvider& icons, const char* name,
                     const char* filter, const char* extension, const QString& folder) {
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setIconProvider(&icons);
    dialog.setObjectName(name);
    dialog.setNameFilter(QCoreApplication::translate(kFileDialogContext, filter));
    if (extension) dialog.setDefaultSuffix(extension);
    dialog.setSizeGripEnabled(true);
    dialog.setDirectory(folder);
}

QString ChosenFile(QFileDialog& dialog) {
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return dialog.selectedFiles().first();
}

}  // namespace

EditorDialogs EditorDialogs::Standard() {
    return {AskSaveChanges, AskOpenPath, AskSavePath,       ShowError,
            ShowInfo,       AskYesNo,    NewBookDialog::Ask};
}

QString AskOpenFile(QWidget* parent, const char* name, const char* filter, const char* extension,
                    const QString& folder) {
    // The provider outlives the dialog, whose listing uses it to the end.
    NameOnlyIconProvider icons;
    QFileDialog dialog(parent);
    SetUpFileDialog(dialog, icons, name, filter, extension, folder);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    return ChosenFile(dialog);
}

QString AskSaveFile(QWidget* parent, const char* name, const char* filter, const char* extension,
                    const QString& folder, const QString& proposal) {
    NameOnlyIconProvider icons;
    QFileDialog dialog(parent);
    SetUpFileDialog(dialog, icons, name, filter, extension, folder);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, false);
    dialog.selectFile(proposal);
    return ChosenFile(dialog);
}

}  // namespace sorvel
