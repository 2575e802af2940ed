// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A text box's lines, font and frame. The dialog can be resized; its memo
// shows the text in the box's font.
#include <QDialog>
#include <QStringList>
#include <memory>

namespace Ui {
class TfrmSetText;
}

class QComboBox;

namespace sorvel {

class TTextBox;

class TfrmSetText : public QDialog {
    Q_OBJECT

public:
    explicit TfrmSetText(QWidget* parent);
    ~TfrmSetText() override;

    // Selects the box's values in the lists, fills the memo with its lines in
    // its font and focuses the memo with all text selected. A value that no
    // entry of a list holds (a font not installed here, a size typed
    // elsewhere) is added to that list, so OK keeps it.
    void Prepare(TTextBox& box);
    bool Execute(TTextBox& box);
    // The OK button: takes the typed frame sizes and closes with OK.
    void Confirm();
    // After an OK: stores FontName, FontSize, FrameLineWidth, RowSpace,
    // FrameWidth, FrameHeight and CSVText, in that order.
    void Apply();

private:
    void UpdateMemoFont();
    void UpdateFrameFields();
    // Selects the entry whose trimmed text is `value`, adding it first when
    // there is none; entries added for an earlier showing are removed.
    void SelectOrAdd(QComboBox* list, const QString& value, bool atTop);

    std::unique_ptr<Ui::TfrmSetText> ui_;
    TTextBox* box_ = nullptr;
    QString shownFontName_;
    QString shownText_;
    QList<QPair<QComboBox*, QString>> added_;
};

}  // namespace sorvel
