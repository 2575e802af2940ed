// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A daon mark's small notes: for each of four rows a finger number, a pitch
// and an octave, and the length of the notes.
#include <QDialog>
#include <array>
#include <memory>

namespace Ui {
class TfrmSetdaon;
}

class QComboBox;

namespace sorvel {

class TDaon;
struct Preferences;

class TfrmSetdaon : public QDialog {
    Q_OBJECT

public:
    TfrmSetdaon(const Preferences& prefs, QWidget* parent);
    ~TfrmSetdaon() override;

    // Resets every row, then selects the finger, pitch and octave of each note
    // the mark holds, and its length. The open-string entry shows the glyph
    // the preferences choose.
    void Prepare(TDaon& daon);
    bool Execute(TDaon& daon);
    // The OK button: closes with OK.
    void Confirm();
    // After an OK: stores Length and AllNoteData built from the rows.
    void Apply();

private:
    struct Row {
        QComboBox* finger;
        QComboBox* pitch;
        QComboBox* octave;
    };
    void FillRow(const Row& row);

    std::unique_ptr<Ui::TfrmSetdaon> ui_;
    const Preferences& prefs_;
    std::array<Row, 4> rows_{};
    TDaon* daon_ = nullptr;
};

}  // namespace sorvel
