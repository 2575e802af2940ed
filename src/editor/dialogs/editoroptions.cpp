// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/dialogs/editoroptions.h"

#include <QCheckBox>
#include <QString>

#include "editor/platform/ownsettings.h"

namespace sorvel {

namespace {

constexpr EditorOption kEditorOptions[] = {{setting::kNewBookDialog, "chkNewBookDialog"}};

}  // namespace

bool EditorOptionOn(const std::string& settingsPath, const Preference<bool>& option) {
    if (settingsPath.empty()) return option.Default();
    return option.Read(settingsPath);
}

void LoadEditorOptions(QWidget& dialog, const std::string& settingsPath) {
    for (const EditorOption& option : kEditorOptions) {
        auto* box = dialog.findChild<QCheckBox*>(option.checkBox);
        if (!box) continue;
        box->setVisible(!settingsPath.empty());
        box->setChecked(EditorOptionOn(settingsPath, option.setting));
    }
}

void ApplyEditorOptions(QWidget& dialog, const std::string& settingsPath,
                        const std::function<void(QWidget*, const QString&)>& showError) {
    if (settingsPath.empty()) return;
    for (const EditorOption& option : kEditorOptions) {
        auto* box = dialog.findChild<QCheckBox*>(option.checkBox);
        // Written only when changed, so that a file without the key keeps
        // following the default.
        if (!box || box->isChecked() == EditorOptionOn(settingsPath, option.setting)) continue;
        std::string error;
        if (!option.setting.Write(settingsPath, box->isChecked(), &error) && showError) {
            showError(&dialog, QString::fromStdString(error));
        }
    }
}

}  // namespace sorvel
