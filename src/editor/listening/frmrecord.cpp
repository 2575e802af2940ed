// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/listening/frmrecord.h"

#include <QAudioDevice>
#include <QAudioSink>
#include <QAudioSource>
#include <QMediaDevices>
#include <algorithm>
#include <cmath>

#include "base/arith.h"
#include "editor/listening/audioinput.h"
#include "editor/listening/clicktrack.h"
#include "editor/platform/ownsettings.h"
#include "ui_frmrecord.h"

namespace sorvel {
namespace {

constexpr int kMeterMs = 50;
constexpr double kMeterFloorDb = -60;
constexpr int kClickRate = 48000;

QString MinutesText(double seconds) {
    const int whole = static_cast<int>(seconds);
    return QString("%1:%2").arg(whole / 60).arg(whole % 60, 2, 10, QChar('0'));
}

}  // namespace

TfrmRecord::TfrmRecord(std::string settingsPath, QWidget* parent)
    : QDialog(parent),
      ui_(std::make_unique<Ui::TfrmRecord>()),
      settingsPath_(std::move(settingsPath)) {
    ui_->setupUi(this);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    FillDevices();
    LoadSettings();
    connect(ui_->btnRecord, &QPushButton::clicked, this, &TfrmRecord::StartRecording);
    connect(ui_->btnStop, &QPushButton::clicked, this, &TfrmRecord::StopRecording);
    connect(ui_->btnCancel, &QPushButton::clicked, this, &TfrmRecord::reject);
    connect(ui_->chkCountIn, &QCheckBox::toggled, this, &TfrmRecord::UpdateButtons);
    connect(&meter_, &QTimer::timeout, this, &TfrmRecord::ShowLevel);
    UpdateButtons();
}

TfrmRecord::~TfrmRecord() {
    Release();
}

void TfrmRecord::FillDevices() {
    if (!FillInputDevices(*ui_->cmbDevice, QByteArray()))
        ui_->lblState->setText(tr("録音に使える入力デバイスがありません。"));
}

void TfrmRecord::LoadSettings() {
    if (const auto id = setting::kInputDevice.Read(settingsPath_)) {
        const int at = ui_->cmbDevice->findData(QByteArray::fromStdString(*id));
        if (at >= 0) ui_->cmbDevice->setCurrentIndex(at);
    }
    ui_->edtTempo->setValue(setting::kRecordingTempo.Read(settingsPath_));
    ui_->chkCountIn->setChecked(setting::kRecordingCountIn.Read(settingsPath_));
    ui_->edtCountIn->setValue(setting::kRecordingCountInBeats.Read(settingsPath_));
    ui_->chkMetronome->setChecked(setting::kRecordingMetronome.Read(settingsPath_));
}

void TfrmRecord::SaveSettings() const {
    const QByteArray id = ui_->cmbDevice->currentData().toByteArray();
    if (!id.isEmpty()) setting::kInputDevice.Write(settingsPath_, id.toStdString());
    setting::kRecordingTempo.Write(settingsPath_, ui_->edtTempo->value());
    setting::kRecordingCountIn.Write(settingsPath_, ui_->chkCountIn->isChecked());
    setting::kRecordingCountInBeats.Write(settingsPath_, ui_->edtCountIn->value());
    setting::kRecordingMetronome.Write(settingsPath_, ui_->chkMetronome->isChecked());
}

void TfrmRecord::UpdateButtons() {
    const bool recording = IsRecording();
    ui_->btnRecord->setEnabled(!recording && ui_->cmbDevice->count() > 0);
    ui_->btnStop->setEnabled(recording || HasTake());
    for (QWidget* w :
         {static_cast<QWidget*>(ui_->cmbDevice), static_cast<QWidget*>(ui_->edtTempo),
          static_cast<QWidget*>(ui_->chkCountIn), static_cast<QWidget*>(ui_->chkMetronome)})
        w->setEnabled(!recording);
    ui_->edtCountIn->setEnabled(!recording && ui_->chkCountIn->isChecked());
}

void TfrmRecord::StartRecording() {
    if (IsRecording() || ui_->cmbDevice->count() == 0) return;
    SaveSettings();
    const QAudioDevice device = InputDeviceById(ui_->cmbDevice->currentData().toByteArray());
    const QAudioFormat format = InputFormat(device);
    const bool clicks = ui_->chkCountIn->isChecked() || ui_->chkMetronome->isChecked();
    clickTempo_ = clicks ? ui_->edtTempo->value() : 0;
    const int countIn = ui_->chkCountIn->isChecked() ? ui_->edtCountIn->value() : 0;
    const ClickPlan plan{format.sampleRate(), static_cast<double>(ui_->edtTempo->value()), countIn,
                         false};
    buffer_ = std::make_unique<RecordingBuffer>(RecordingFormatOf(format), plan.CountInFrames());
    sink_ = std::make_unique<RecordingSink>(*buffer_);
    sink_->open(QIODevice::WriteOnly);
    source_ = std::make_unique<QAudioSource>(device, format);
    // A generous device buffer: the GUI thread may be busy for a moment
    // without the device losing a block.
    source_->setBufferSize(format.bytesForDuration(500000));
    // The source is released after its signal has returned, never inside it.
    WatchInputErrors(*source_, *this, [this] { Fail(); });
    source_->start(sink_.get());
    if (source_->error() != QAudio::NoError) {
        Fail();
        return;
    }
    if (clicks) StartClicks();
    meter_.start(kMeterMs);
    UpdateButtons();
    ShowLevel();
}

void TfrmRecord::StartClicks() {
    const int countIn = ui_->chkCountIn->isChecked() ? ui_->edtCountIn->value() : 0;
    clicks_ = std::make_unique<ClickTrack>(
        ClickPlan{kClickRate, clickTempo_, countIn, ui_->chkMetronome->isChecked()});
    clicks_->open(QIODevice::ReadOnly);
    QAudioFormat format;
    format.setSampleRate(kClickRate);
    format.setChannelCount(1);
    format.setSampleFormat(QAudioFormat::Int16);
    clickOutput_ = std::make_unique<QAudioSink>(QMediaDevices::defaultAudioOutput(), format);
    clickOutput_->start(clicks_.get());
}

void TfrmRecord::ShowLevel() {
    if (!buffer_) return;
    const float peak = buffer_->TakePeak();
    const double db = peak > 0 ? 20 * std::log10(peak) : kMeterFloorDb;
    ui_->pbLevel->setValue(
        std::clamp(RoundHalfEven((db - kMeterFloorDb) / -kMeterFloorDb * 100), 0, 100));
    const bool counting = buffer_->Samples().empty() && clicks_ && ui_->chkCountIn->isChecked();
    if (IsRecording())
        ui_->lblState->setText(counting ? tr("カウント中…")
                                        : tr("録音中 %1").arg(MinutesText(buffer_->SecondsKept())));
}

bool TfrmRecord::HasTake() const {
    return buffer_ && !buffer_->Samples().empty();
}

void TfrmRecord::StopRecording() {
    if (!IsRecording() && !HasTake()) return;
    Release();
    accept();
}

void TfrmRecord::Fail() {
    // What was recorded before the device failed is kept: Stop still hands
    // it on, Record starts a new take.
    Release();
    ui_->pbLevel->setValue(0);
    ui_->lblState->setText(tr("録音できませんでした。入力デバイスを確かめてください。"));
    UpdateButtons();
}

void TfrmRecord::Release() {
    meter_.stop();
    if (clickOutput_) clickOutput_->stop();
    if (source_) {
        source_->disconnect(this);
        source_->stop();
    }
    clickOutput_.reset();
    clicks_.reset();
    source_.reset();
    sink_.reset();
    if (ui_) UpdateButtons();
}

void TfrmRecord::reject() {
    Release();
    QDialog::reject();
}

RecordedTake TfrmRecord::Take() const {
    RecordedTake take;
    if (!buffer_) return take;
    take.samples = buffer_->Samples();
    take.rate = buffer_->Format().rate;
    take.tempo = clickTempo_;
    return take;
}

bool TfrmRecord::Execute(RecordedTake& take) {
    if (exec() != QDialog::Accepted) return false;
    take = Take();
    return true;
}

}  // namespace sorvel
