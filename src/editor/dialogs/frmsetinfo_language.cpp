// SPDX-License-Identifier: GPL-3.0-or-later
// The options dialog's language row: the interface language stored under a
// key of our own, automatic (the desktop's) while no choice is stored.
#include <QComboBox>
#include <QLabel>
#include <algorithm>
#include <optional>
#include <string>

#include "editor/dialogs/frmsetinfo.h"
#include "editor/platform/interfacelanguage.h"
#include "editor/platform/ownsettings.h"
#include "ui_frmsetinfo.h"

namespace sorvel {

// The stored choice; no key, "auto" or an unknown value show automatic.
void TfrmSetInfo::LoadLanguage() {
    const bool offered = !services_.settingsPath.empty();
    for (QWidget* w :
         {static_cast<QWidget*>(ui_->lblLanguage), static_cast<QWidget*>(ui_->cmbLanguage),
          static_cast<QWidget*>(ui_->lblLanguageNote)}) {
        w->setVisible(offered);
    }
    if (!offered) return;
    const std::optional<std::string> stored = setting::kLanguage.Read(services_.settingsPath);
    const std::optional<InterfaceLanguage> chosen =
        stored ? LanguageFromCode(*stored) : std::nullopt;
    const QString code = chosen ? QString::fromStdString(LanguageCode(*chosen))
                                : QString::fromLatin1(kAutomaticLanguage);
    ui_->cmbLanguage->setCurrentIndex(std::max(0, ui_->cmbLanguage->findData(code)));
}

// Written only when the choice changed, so that a file without the key keeps
// following the desktop.
void TfrmSetInfo::ApplyLanguage() {
    if (services_.settingsPath.empty()) return;
    const std::string code = ui_->cmbLanguage->currentData().toString().toStdString();
    const std::optional<std::string> stored = setting::kLanguage.Read(services_.settingsPath);
    const std::string before =
        stored && LanguageFromCode(*stored) ? *stored : std::string(kAutomaticLanguage);
    if (code.empty() || code == before) return;
    std::string error;
    if (!setting::kLanguage.Write(services_.settingsPath, code, &error) && services_.showError) {
        services_.showError(this, QString::fromStdString(error));
    }
}

}  // namespace sorvel
