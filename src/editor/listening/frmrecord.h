// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The record dialog: the input device, a level meter, an optional count-in
// and metronome in the headphones at a chosen tempo, Record and Stop. The
// take is kept whole in memory for transcription; its settings are stored.
#include <QDialog>
#include <QTimer>
#include <memory>
#include <string>
#include <vector>

#include "editor/listening/recordingbuffer.h"

namespace Ui {
class TfrmRecord;
}
class QAudioSink;
class QAudioSource;
class QIODevice;

namespace sorvel {

class ClickTrack;

struct RecordedTake {
    std::vector<float> samples;  // mono
    int rate = 0;
    double tempo = 0;  // the clicks' tempo when there were any, else 0
};

class TfrmRecord : public QDialog {
    Q_OBJECT
public:
    TfrmRecord(std::string settingsPath, QWidget* parent);
    ~TfrmRecord() override;

    // Runs the dialog; true with the take when recording was stopped.
    bool Execute(RecordedTake& take);
    bool IsRecording() const { return source_ != nullptr; }
    // The take so far: what the meter shows and Stop hands on.
    const RecordingBuffer* Buffer() const { return buffer_.get(); }
    RecordedTake Take() const;

    void StartRecording();
    void StopRecording();

protected:
    void reject() override;

private:
    void LoadSettings();
    void SaveSettings() const;
    void FillDevices();
    void StartClicks();
    void ShowLevel();
    // The device stopped with an error: the take so far stays.
    void Fail();
    bool HasTake() const;
    void Release();
    void UpdateButtons();

    std::unique_ptr<Ui::TfrmRecord> ui_;
    std::string settingsPath_;
    std::unique_ptr<RecordingBuffer> buffer_;
    std::unique_ptr<QIODevice> sink_;
    std::unique_ptr<QAudioSource> source_;
    std::unique_ptr<ClickTrack> clicks_;
    std::unique_ptr<QAudioSink> clickOutput_;
    QTimer meter_;
    double clickTempo_ = 0;
};

}  // namespace sorvel
