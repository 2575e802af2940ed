// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The on/off options of our own beyond the program's documented settings:
// each a 0/1 key of the settings file's [Editor] section, read where it is
// used and shown as a check box on the general tab of the options dialog.
#include <QtGlobal>
#include <functional>
#include <string>

#include "model/preference.h"

class QString;
class QWidget;

namespace sorvel {

struct EditorOption {
    Preference<bool> setting;
    const char* checkBox;  // its check box in the options dialog
};

// Whether `option` is on in the settings file at `settingsPath` (its default
// when the file or the key is missing).
bool EditorOptionOn(const std::string& settingsPath, const Preference<bool>& option);

// The options' check boxes among the children of `dialog`: filled from the
// settings file, or hidden when there is none (an empty path).
void LoadEditorOptions(QWidget& dialog, const std::string& settingsPath);
// Writes each option whose box the player changed; a file that cannot be
// written is reported through `showError`.
void ApplyEditorOptions(QWidget& dialog, const std::string& settingsPath,
                        const std::function<void(QWidget*, const QString&)>& showError);

}  // namespace sorvel
