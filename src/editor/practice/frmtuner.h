// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The tuner window: listens to the chosen input while it is open and shows
// the nearest note in the page's key, its cents and the open strings.
#include <QTimer>
#include <QWidget>
#include <functional>
#include <memory>
#include <string>

#include "editor/practice/tunerreadout.h"

class QAudioSource;
class QComboBox;
class QIODevice;
class QLabel;
class QSpinBox;

namespace sorvel {

class RecordingBuffer;
class TunerGauge;
class TunerTracker;

// The reference pitch of A4 in Hz that the tuner and the check of a take
// read against: the stored option, 440 without one.
int ReferencePitch(const std::string& settingsPath);

class TfrmTuner : public QWidget {
    Q_OBJECT
public:
    static constexpr int kRefreshMs = 25;
    static constexpr int kLowestReference = 415, kHighestReference = 466;

    // `keyOffset` gives the tonic of the page shown, in semitones above C.
    TfrmTuner(std::string settingsPath, std::function<int()> keyOffset, QWidget* parent);
    ~TfrmTuner() override;

    bool IsListening() const { return source_ != nullptr; }
    const TunerView& View() const;
    // Opens the chosen input (again); false, with the reason shown, when
    // there is none or it cannot be opened.
    bool Listen();
    void StopListening();

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void BuildWindow();
    void ChooseDevice();
    void ReferenceChanged(int hz);
    void DevicesChanged();
    void Refresh();
    void ShowStrings();
    void Fail();
    void Release();

    std::string settingsPath_;
    std::function<int()> keyOffset_;
    OpenStrings strings_;
    int key_ = 2;  // the key of the last reading
    QComboBox* device_ = nullptr;
    QSpinBox* reference_ = nullptr;
    TunerGauge* gauge_ = nullptr;
    QLabel* inner_ = nullptr;
    QLabel* outer_ = nullptr;
    QLabel* state_ = nullptr;
    std::unique_ptr<RecordingBuffer> buffer_;
    std::unique_ptr<QIODevice> sink_;
    std::unique_ptr<QAudioSource> source_;
    std::unique_ptr<TunerTracker> tracker_;
    QTimer refresh_;
};

}  // namespace sorvel
