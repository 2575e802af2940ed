// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/dialogs/editoroptions.h"

#include <QCheckBox>
#include <QString>

#include "model/preferencesfile.h"

namespace sorvel {

namespace {

constexpr const EditorOption* kEditorOptions[] = {&kNewBookDialogOption};

}  // namespace

bool EditorOptionOn(const std::string& settingsPath, const EditorOption& option) {
    if (settingsPath.empty()) return option.byDefault;
    return ReadPreferenceInt(settingsPath, kEditorOptionsSection, option.key,
                             option.byDefault ? 1 : 0) != 0;
}

void LoadEditorOptions(QWidget& dialog, const std::string& settingsPath) {
    for (const EditorOption* option : kEditorOptions) {
        auto* box = dialog.findChild<QCheckBox*>(option->checkBox);
        if (!box) continue;
        box->setVisible(!settingsPath.empty());
        box->setChecked(EditorOptionOn(settingsPath, *option));
    }
}

void ApplyEditorOptions(QWidget& dialog, const std::string& settingsPath,
                        const std::function<void(QWidget*, const QString&)>& showError) {
    if (settingsPath.empty()) return;
    for (const EditorOption* option : kEditorOptions) {
        auto* box = dialog.findChild<QCheckBox*>(option->checkBox);
        // Written only when changed, so that a file without the key keeps
        // following the default.
        if (!box || box->isChecked() == EditorOptionOn(settingsPath, *option)) continue;
        std::string error;
        if (!WritePreferenceKey(settingsPath, kEditorOptionsSection, option->key,
                                box->isChecked() ? 1 : 0, &error) &&
            showError) {
            showError(&dialog, QString::fromStdString(error));
        }
    }
}

}  // namespace sorvel
