// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/practice/frmtuner.h"

#include <QAudioSource>
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMediaDevices>
#include <QSpinBox>
#include <QVBoxLayout>

#include "editor/listening/audioinput.h"
#include "editor/listening/frmrecord.h"
#include "editor/platform/ownsettings.h"
#include "editor/practice/tunergauge.h"
#include "editor/practice/tunertracker.h"

namespace sorvel {
namespace {

QString StringText(const QString& which, int midi, bool flats) {
    return QStringLiteral("%1  %2").arg(which, QString::fromStdString(PitchName(midi, flats)));
}

}  // namespace

int ReferencePitch(const std::string& settingsPath) {
    return std::clamp(setting::kTunerReferenceA4.Read(settingsPath), TfrmTuner::kLowestReference,
                      TfrmTuner::kHighestReference);
}

TfrmTuner::TfrmTuner(std::string settingsPath, std::function<int()> keyOffset, QWidget* parent)
    : QWidget(parent, Qt::Tool),
      settingsPath_(std::move(settingsPath)),
      keyOffset_(std::move(keyOffset)) {
    setObjectName("frmTuner");
    setWindowTitle(tr("チューナー"));
    BuildWindow();
    connect(&refresh_, &QTimer::timeout, this, &TfrmTuner::Refresh);
    connect(new QMediaDevices(this), &QMediaDevices::audioInputsChanged, this,
            &TfrmTuner::DevicesChanged);
}

TfrmTuner::~TfrmTuner() {
    // Only the device goes: the window that gives the key may be going too.
    Release();
}

void TfrmTuner::BuildWindow() {
    device_ = new QComboBox(this);
    device_->setObjectName("cmbDevice");
    device_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    device_->setMinimumContentsLength(24);
    reference_ = new QSpinBox(this);
    reference_->setObjectName("edtReference");
    reference_->setRange(kLowestReference, kHighestReference);
    reference_->setSuffix(QStringLiteral(" Hz"));
    reference_->setValue(ReferencePitch(settingsPath_));
    auto* form = new QFormLayout;
    form->addRow(tr("入力デバイス(&I):"), device_);
    form->addRow(tr("基準音 A4(&A):"), reference_);
    gauge_ = new TunerGauge(this);
    inner_ = new QLabel(this);
    inner_->setObjectName("lblInnerString");
    outer_ = new QLabel(this);
    outer_->setObjectName("lblOuterString");
    auto* strings = new QHBoxLayout;
    for (QLabel* label : {inner_, outer_}) {
        label->setAlignment(Qt::AlignCenter);
        label->setMargin(6);
        strings->addWidget(label);
    }
    state_ = new QLabel(this);
    state_->setObjectName("lblState");
    state_->setWordWrap(true);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(gauge_, 1);
    layout->addLayout(strings);
    layout->addWidget(state_);
    FillInputDevices(*device_,
                     QByteArray::fromStdString(
                         setting::kInputDevice.Read(settingsPath_).value_or(std::string())));
    connect(device_, &QComboBox::activated, this, &TfrmTuner::ChooseDevice);
    connect(reference_, &QSpinBox::valueChanged, this, &TfrmTuner::ReferenceChanged);
    ShowStrings();
}

const TunerView& TfrmTuner::View() const {
    return gauge_->View();
}

void TfrmTuner::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    Listen();
}

void TfrmTuner::hideEvent(QHideEvent* event) {
    // The microphone is held only while the tuner shows.
    StopListening();
    QWidget::hideEvent(event);
}

bool TfrmTuner::Listen() {
    StopListening();
    device_->setEnabled(device_->count() > 0);
    if (device_->count() == 0) {
        state_->setText(tr("入力デバイスがありません。マイクをつなぐと使えます。"));
        return false;
    }
    const QAudioDevice device = InputDeviceById(device_->currentData().toByteArray());
    const QAudioFormat format = InputFormat(device);
    buffer_ = std::make_unique<RecordingBuffer>(RecordingFormatOf(format));
    sink_ = std::make_unique<RecordingSink>(*buffer_);
    sink_->open(QIODevice::WriteOnly);
    tracker_ = std::make_unique<TunerTracker>(format.sampleRate(), reference_->value());
    source_ = std::make_unique<QAudioSource>(device, format);
    // A short device buffer: the needle is to follow the sound closely.
    source_->setBufferSize(format.bytesForDuration(kRefreshMs * 1000));
    WatchInputErrors(*source_, *this, [this] { Fail(); });
    source_->start(sink_.get());
    if (source_->error() != QAudio::NoError) {
        Fail();
        return false;
    }
    state_->clear();
    refresh_.start(kRefreshMs);
    return true;
}

void TfrmTuner::Release() {
    refresh_.stop();
    if (source_) {
        source_->disconnect(this);
        source_->stop();
    }
    source_.reset();
    sink_.reset();
    buffer_.reset();
    tracker_.reset();
}

void TfrmTuner::StopListening() {
    Release();
    gauge_->Show(TunerView());
    ShowStrings();
}

void TfrmTuner::Fail() {
    StopListening();
    state_->setText(tr("入力デバイスから音を受け取れません。デバイスを確かめてください。"));
}

void TfrmTuner::ChooseDevice() {
    const QByteArray id = device_->currentData().toByteArray();
    if (!id.isEmpty()) setting::kInputDevice.Write(settingsPath_, id.toStdString());
    if (isVisible()) Listen();
}

void TfrmTuner::ReferenceChanged(int hz) {
    setting::kTunerReferenceA4.Write(settingsPath_, hz);
    if (tracker_) tracker_->SetReference(hz);
}

void TfrmTuner::DevicesChanged() {
    const QByteArray id = device_->currentData().toByteArray();
    FillInputDevices(*device_, id);
    // A device plugged in while there was none, or the one in use gone.
    if (isVisible() && (!IsListening() || device_->currentData().toByteArray() != id)) Listen();
}

void TfrmTuner::Refresh() {
    if (!buffer_ || !tracker_) return;
    const std::vector<float> samples = buffer_->TakeSamples();
    tracker_->Push(samples.data(), samples.size());
    key_ = keyOffset_ ? keyOffset_() : key_;
    gauge_->Show(ViewOfReading(tracker_->Read(), key_, strings_));
    ShowStrings();
}

void TfrmTuner::ShowStrings() {
    const TunerView& view = View();
    const bool flats = KeyUsesFlats(key_);
    inner_->setText(StringText(tr("内弦"), strings_.inner, flats));
    outer_->setText(StringText(tr("外弦"), strings_.outer, flats));
    for (const auto& [label, string] :
         {std::pair{inner_, OpenString::Inner}, std::pair{outer_, OpenString::Outer}}) {
        const bool lit = view.string == string;
        // A style sheet is set only when it changes: forty times a second
        // would restyle the window for nothing.
        if (label->property("lit").isValid() && label->property("lit").toBool() == lit) continue;
        label->setProperty("lit", lit);
        label->setStyleSheet(lit ? QStringLiteral("QLabel { background: #1b9e77; color: white; "
                                                  "font-weight: bold; border-radius: 4px; }")
                                 : QStringLiteral("QLabel { border: 1px solid palette(mid); "
                                                  "border-radius: 4px; }"));
    }
}

}  // namespace sorvel
