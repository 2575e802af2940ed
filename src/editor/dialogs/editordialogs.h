// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The questions the main window asks the user (save prompt, file dialogs,
// messages), as replaceable functions: the program shows the standard
// dialogs, tests answer them without a modal loop.
#include <QString>
#include <QtGlobal>
#include <functional>
#include <optional>

#include "edit/newbooksetup.h"

class QWidget;

namespace sorvel {

enum class SaveAnswer { Yes, No, Cancel };

struct EditorDialogs {
    // "ファイルの内容が変更されています。変更を保存しますか？" with Yes, No, Cancel.
    std::function<SaveAnswer(QWidget* parent)> askSaveChanges;
    // The open dialog in `folder`; empty when cancelled.
    std::function<QString(QWidget* parent, const QString& folder)> askOpenPath;
    // The save dialog in `folder` with `current` filled in, asking before it
    // overwrites; empty when cancelled.
    std::function<QString(QWidget* parent, const QString& folder, const QString& current)>
        askSavePath;
    std::function<void(QWidget* parent, const QString& text)> showError;
    std::function<void(QWidget* parent, const QString& text)> showInfo;
    // A question with Yes and No, No the default; true for Yes.
    std::function<bool(QWidget* parent, const QString& text)> askYesNo;
    // The new-book dialog; nothing when cancelled.
    std::function<std::optional<NewBookSetup>(QWidget* parent)> askNewBook;

    static EditorDialogs Standard();
};

// The open dialog of one kind of file: object `name`, the filter (marked in
// kFileDialogContext, translated by the dialog), the default
// extension (or none), in `folder`; empty when cancelled. The file dialogs
// never open the files they list.
QString AskOpenFile(QWidget* parent, const char* name, const char* filter, const char* extension,
                    const QString& folder);
// The save dialog of one kind of file, with `proposal` filled in, asking
// before it overwrites; empty when cancelled.
QString AskSaveFile(QWidget* parent, const char* name, const char* filter, const char* extension,
                    const QString& folder, const QString& proposal);

// The texts of the standard dialogs, translated in kEditorDialogsContext;
// every file filter in kFileDialogContext.
inline constexpr char kEditorDialogsContext[] = "EditorDialogs";
inline constexpr char kFileDialogContext[] = "FileDialogs";

// The caption of the program's message boxes.
inline constexpr char kProgramName[] = QT_TRANSLATE_NOOP("EditorDialogs", "ソルベル");

inline constexpr char kAskSaveChanges[] =
    QT_TRANSLATE_NOOP("EditorDialogs", "ファイルの内容が変更されています。変更を保存しますか？");
inline constexpr char kOpenFilter[] =
    QT_TRANSLATE_NOOP("FileDialogs", "ソルベル数字譜ファイル(*.svl);;すべてのファイル(*.*)");
inline constexpr char kSaveFilter[] =
    QT_TRANSLATE_NOOP("FileDialogs", "ソルベルスコアーデータ(*.svl);;すべてのファイル(*.*)");
inline constexpr char kScoreExtension[] = "svl";

}  // namespace sorvel
