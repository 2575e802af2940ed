// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The new-book dialog: title, composer, key, time signature, tempo and the
// number of pages of a book to be made, asked at once; Enter takes the
// defaults (１＝Ｄ, 4/4, ♩＝80, one page).
#include <QDialog>
#include <memory>
#include <optional>

#include "edit/newbooksetup.h"

namespace Ui {
class NewBookDialog;
}

namespace sorvel {

class NewBookDialog : public QDialog {
    Q_OBJECT

public:
    explicit NewBookDialog(QWidget* parent);
    ~NewBookDialog() override;

    // The fields as a setup: texts as CP932 bytes on one line each.
    NewBookSetup Setup() const;

    // Shows the dialog modally; the setup when it closed with OK.
    static std::optional<NewBookSetup> Ask(QWidget* parent);

private:
    std::unique_ptr<Ui::NewBookDialog> ui_;
};

}  // namespace sorvel
