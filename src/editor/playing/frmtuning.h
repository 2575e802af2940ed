// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The tuning dialog "チューニング": sounds the erhu's open strings, the inner
// string D (62) and the outer string A (69), on channel index 0 until they
// are unchecked or the dialog closes.
#include <QDialog>
#include <functional>
#include <memory>

class QCheckBox;

namespace Ui {
class TfrmTuning;
}

namespace sorvel {

class MidiOutput;

class TfrmTuning : public QDialog {
    Q_OBJECT
public:
    static constexpr int kInnerString = 62;
    static constexpr int kOuterString = 69;
    static constexpr int kVelocity = 100;

    // `instrument` gives the melody's program when a string starts sounding;
    // `wake` readies the output before (false: it cannot sound, and the box
    // is unchecked again).
    TfrmTuning(MidiOutput& output, std::function<int()> instrument, std::function<bool()> wake,
               QWidget* parent = nullptr);
    ~TfrmTuning() override;

    // Closing silences both strings.
    void done(int result) override;

private:
    void String(QCheckBox& box, int note, bool on);

    std::unique_ptr<Ui::TfrmTuning> ui_;
    MidiOutput& output_;
    std::function<int()> instrument_;
    std::function<bool()> wake_;
};

}  // namespace sorvel
