#include "editor/editordialogs.h"

#include <QFileDialog>
#include <QMessageBox>

namespace sorvel {

namespace {

SaveAnswer AskSaveChanges(QWidget* parent) {
    const auto answer = QMessageBox::question(
        parent, QString::fromUtf8(kProgramName), QString::fromUtf8(kAskSaveChanges),
        QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Yes);
    if (answer == QMessageBox::Yes) return SaveAnswer::Yes;
    if (answer == QMessageBox::No) return SaveAnswer::No;
    return SaveAnswer::Cancel;
}

QString AskOpenPath(QWidget* parent, const QString& folder) {
    return AskOpenFile(parent, "OpenDialog1", kOpenFilter, kScoreExtension, folder);
}

QString AskSavePath(QWidget* parent, const QString& folder, const QString& current) {
    QFileDialog dialog(parent);
    dialog.setObjectName("SaveDialog1");
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilter(QString::fromUtf8(kSaveFilter));
    dialog.setDefaultSuffix(kScoreExtension);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, false);
    dialog.setSizeGripEnabled(true);
    dialog.setDirectory(folder);
    dialog.selectFile(current);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return dialog.selectedFiles().first();
}

void ShowError(QWidget* parent, const QString& text) {
    QMessageBox::critical(parent, QString::fromUtf8(kProgramName), text);
}

void ShowInfo(QWidget* parent, const QString& text) {
    QMessageBox::information(parent, QString::fromUtf8(kProgramName), text);
}

}  // namespace

EditorDialogs EditorDialogs::Standard() {
    return {AskSaveChanges, AskOpenPath, AskSavePath, ShowError, ShowInfo};
}

QString AskOpenFile(QWidget* parent, const char* name, const char* filter, const char* extension,
                    const QString& folder) {
    QFileDialog dialog(parent);
    dialog.setObjectName(name);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilter(QString::fromUtf8(filter));
    if (extension) dialog.setDefaultSuffix(extension);
    dialog.setSizeGripEnabled(true);
    dialog.setDirectory(folder);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return dialog.selectedFiles().first();
}

}  // namespace sorvel
