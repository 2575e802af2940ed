// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/playing/frmplay.h"

#include <QAbstractItemView>
#include <QHideEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QScrollBar>
#include <QSpinBox>
#include <algorithm>
#include <cstdlib>

#include "editor/dialogs/generalmidinames.h"
#include "model/preferences.h"
#include "model/preferencesfile.h"
#include "playback/sequencer.h"
#include "ui_frmplay.h"

namespace sorvel {

namespace {

constexpr int kMinBias = -36;
constexpr int kMaxBias = 36;
constexpr int kInstrumentShownChars = 16;

bool IsPlayKey(const QKeyEvent& e) {
    return e.text() == "p" || e.text() == "P";
}

bool IsEnter(const QKeyEvent& e) {
    return e.key() == Qt::Key_Return || e.key() == Qt::Key_Enter;
}

}  // namespace

TfrmPlay::TfrmPlay(Preferences& prefs, std::string settingsPath, QWidget* parent)
    : QDialog(parent),
      ui_(std::make_unique<Ui::TfrmPlay>()),
      prefs_(prefs),
      settingsPath_(std::move(settingsPath)) {
    ui_->setupUi(this);
    setWindowFlags(Qt::Tool | Qt::WindowStaysOnTopHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    FillInstruments();

    ReadPreferenceKeys(settingsPath_, prefs_, {"FormPlayTop", "FormPlayLeft"});
    move(prefs_.FormPlayLeft, prefs_.FormPlayTop);
    ui_->chkPlayTempo->setChecked(prefs_.PlayScoreTempo);
    ui_->edtPlayTempo->setValue(prefs_.Tempo);
    ui_->chkStartClick->setChecked(prefs_.StartClick);
    ui_->edtStartClick->setValue(prefs_.StartClickNum);
    ui_->chkNonRepeat->setChecked(false);
    ui_->edtPlayCount->setValue(prefs_.PlayCount);
    ui_->chkIsNoClickRepeat->setChecked(prefs_.IsNoClickRepeat);
    ShowMuteCaption();
    ui_->chkPlayMetronome->setChecked(prefs_.IsPlayMetronome);
    ui_->chkPlayMusicData->setChecked(prefs_.IsPlayMusicData);
    ui_->edtPlayBias->setValue(0);
    SetInstrument(prefs_.Instrument);
    ui_->chkExpressive->setChecked(
        ReadPreferenceInt(settingsPath_, kExpressiveSection, kExpressiveKey, 0) != 0);
    ui_->chkLoopEndless->setChecked(
        ReadPreferenceInt(settingsPath_, kExpressiveSection, kLoopEndlessKey, 0) != 0);
    ui_->edtTempoPercent->setValue(
        ReadPreferenceInt(settingsPath_, kExpressiveSection, kLoopTempoPercentKey, 100));
    ui_->chkTempoRise->setChecked(
        ReadPreferenceInt(settingsPath_, kExpressiveSection, kLoopTempoRiseKey, 0) != 0);
    ui_->chkPlayAlong->setChecked(
        ReadPreferenceInt(settingsPath_, kExpressiveSection, kPlayAlongKey, 0) != 0);
    lastTempo_ = ui_->edtPlayTempo->value();
    lastBias_ = ui_->edtPlayBias->value();
    ui_->btnPlay->setEnabled(true);
    ui_->btnStop->setEnabled(false);
    UpdateEnabling();

    connect(ui_->btnPlay, &QPushButton::clicked, this, &TfrmPlay::Play);
    connect(ui_->btnStop, &QPushButton::clicked, this, &TfrmPlay::Stop);
    connect(ui_->chkPlayTempo, &QCheckBox::toggled, this, [this] { UpdateEnabling(); });
    connect(ui_->chkStartClick, &QCheckBox::toggled, this, [this] { UpdateEnabling(); });
    connect(ui_->chkLoopEndless, &QCheckBox::toggled, this, [this] { UpdateEnabling(); });
    connect(ui_->cmbInstrument, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (index < 0) return;
        prefs_.Instrument = index;
        if (onInstrument) onInstrument(index);
    });
    connect(ui_->chkPlayMetronome, &QCheckBox::clicked, this, [this](bool checked) {
        prefs_.IsPlayMetronome = checked;
        if (onMute) onMute(2, checked);
    });
    connect(ui_->chkPlayMusicData, &QCheckBox::clicked, this, [this](bool checked) {
        prefs_.IsPlayMusicData = checked;
        if (onMute) onMute(1, checked);
    });
    connect(ui_->btnMute, &QPushButton::clicked, this, [this] {
        alternateMute_ = !alternateMute_;
        ShowMuteCaption();
        if (onAlternateMute) onAlternateMute(alternateMute_);
    });
    connect(ui_->edtPlayTempo, &QSpinBox::valueChanged, this, [this](int v) {
        if (std::abs(v - lastTempo_) <= 1 && onTempo) onTempo(v);
        lastTempo_ = v;
    });
    connect(ui_->edtPlayBias, &QSpinBox::valueChanged, this, [this](int v) {
        if (std::abs(v - lastBias_) <= 1 && onBias) onBias(std::clamp(v, kMinBias, kMaxBias));
        lastBias_ = v;
    });

    // P anywhere in the dialog plays or stops, so every child reports its keys.
    for (QWidget* child : findChildren<QWidget*>()) child->installEventFilter(this);
}

TfrmPlay::~TfrmPlay() {
    // The preferences may be gone by now: the keys are written from the widgets.
    Preferences p;
    p.FormPlayTop = pos().y();
    p.FormPlayLeft = pos().x();
    p.StartClick = ui_->chkStartClick->isChecked();
    p.StartClickNum = ui_->edtStartClick->value();
    p.PlayScoreTempo = ui_->chkPlayTempo->isChecked();
    p.Tempo = ui_->edtPlayTempo->value();
    p.IsNoClickRepeat = ui_->chkIsNoClickRepeat->isChecked();
    WritePreferenceKeys(settingsPath_, p,
                        {"FormPlayTop", "FormPlayLeft", "StartClick", "StartClickNum",
                         "PlayScoreTempo", "Tempo", "IsNoClickRepeat"},
                        nullptr);
    WritePreferenceKey(settingsPath_, kExpressiveSection, kExpressiveKey,
                       ui_->chkExpressive->isChecked() ? 1 : 0);
    WritePreferenceKey(settingsPath_, kExpressiveSection, kPlayAlongKey,
                       ui_->chkPlayAlong->isChecked() ? 1 : 0);
    WritePreferenceKey(settingsPath_, kExpressiveSection, kLoopEndlessKey, LoopEndless() ? 1 : 0);
    WritePreferenceKey(settingsPath_, kExpressiveSection, kLoopTempoPercentKey, TempoPercent());
    WritePreferenceKey(settingsPath_, kExpressiveSection, kLoopTempoRiseKey, TempoRise() ? 1 : 0);
}

void TfrmPlay::SetPlaying(bool playing) {
    if (playing == playing_) return;
    playing_ = playing;
    ui_->btnPlay->setEnabled(!playing);
    ui_->btnStop->setEnabled(playing);
    UpdateEnabling();
}

void TfrmPlay::UpdateEnabling() {
    const bool idle = !playing_;
    ui_->chkPlayTempo->setEnabled(idle);
    ui_->chkStartClick->setEnabled(idle);
    ui_->chkNonRepeat->setEnabled(idle);
    const bool counted = idle && !ui_->chkLoopEndless->isChecked();
    ui_->edtPlayCount->setEnabled(counted);
    ui_->lblPlayCount->setEnabled(counted);
    ui_->chkIsNoClickRepeat->setEnabled(idle);
    ui_->chkLoopEndless->setEnabled(idle);
    ui_->edtTempoPercent->setEnabled(idle);
    ui_->lblTempoPercent->setEnabled(idle);
    ui_->chkTempoRise->setEnabled(idle);
    ui_->chkExpressive->setEnabled(idle);
    ui_->chkPlayAlong->setEnabled(idle && playAlongAvailable_);
    const bool countIn = idle && ui_->chkStartClick->isChecked();
    ui_->edtStartClick->setEnabled(countIn);
    ui_->lblStartClick->setEnabled(countIn);
    const bool ownTempo = !ui_->chkPlayTempo->isChecked();
    ui_->edtPlayTempo->setEnabled(ownTempo);
    ui_->lblPlayTempo->setEnabled(ownTempo);
}

PlayOptions TfrmPlay::Options() const {
    PlayOptions o;
    o.playScoreTempo = ui_->chkPlayTempo->isChecked();
    o.tempo = ui_->edtPlayTempo->value();
    o.startClick = ui_->chkStartClick->isChecked();
    o.startClickNum = ui_->edtStartClick->value();
    o.nonRepeat = ui_->chkNonRepeat->isChecked();
    o.expressive = ui_->chkExpressive->isChecked();
    return o;
}

int TfrmPlay::PlayBias() const {
    return std::clamp(ui_->edtPlayBias->value(), kMinBias, kMaxBias);
}
int TfrmPlay::PlayCount() const {
    return std::max(ui_->edtPlayCount->value(), 1);
}
bool TfrmPlay::NoClickRepeat() const {
    return ui_->chkIsNoClickRepeat->isChecked();
}
bool TfrmPlay::LoopEndless() const {
    return ui_->chkLoopEndless->isChecked();
}
int TfrmPlay::TempoPercent() const {
    return std::clamp(ui_->edtTempoPercent->value(), SequencerOptions::kMinTempoPercent,
                      SequencerOptions::kMaxTempoPercent);
}
bool TfrmPlay::TempoRise() const {
    return ui_->chkTempoRise->isChecked();
}

void TfrmPlay::ShowPass(int pass, int percent) {
    if (pass < 0) {
        ui_->lblLoopState->clear();
        return;
    }
    const QString n = QString::number(pass + 1);
    const QString speed = QString::number(percent);
    ui_->lblLoopState->setText(LoopEndless()
                                   ? tr(kPassEndless).arg(n, speed)
                                   : tr(kPassOfCount).arg(n, QString::number(PlayCount()), speed));
}

bool TfrmPlay::PlayAlong() const {
    return playAlongAvailable_ && ui_->chkPlayAlong->isChecked();
}

void TfrmPlay::SetPlayAlongAvailable(bool available) {
    playAlongAvailable_ = available;
    ui_->chkPlayAlong->setToolTip(available ? QString() : tr(kMsgNoPlayAlongInput));
    UpdateEnabling();
}

bool TfrmPlay::AlternateMute() const {
    return alternateMute_;
}
bool TfrmPlay::MetronomeMuted() const {
    return ui_->chkPlayMetronome->isChecked();
}
bool TfrmPlay::MelodyMuted() const {
    return ui_->chkPlayMusicData->isChecked();
}
int TfrmPlay::Instrument() const {
    return std::max(ui_->cmbInstrument->currentIndex(), 0);
}

void TfrmPlay::ShowMuteCaption() {
    ui_->btnMute->setText(tr(alternateMute_ ? kAlternateMuteCaption : kMuteCaption));
}

void TfrmPlay::FillInstruments() {
    const bool local = ReadPreferenceInt(settingsPath_, kProgramNamesSection, kProgramNamesKey, 1);
    QComboBox* list = ui_->cmbInstrument;
    list->addItems(GeneralMidiProgramEntries(local ? ProgramNames::InterfaceLanguage
                                                   : ProgramNames::ShortNames));
    // Long names do not widen the dialog; the open list shows them whole.
    list->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    list->setMinimumContentsLength(kInstrumentShownChars);
    list->view()->setMinimumWidth(list->view()->sizeHintForColumn(0) +
                                  list->view()->verticalScrollBar()->sizeHint().width());
}

void TfrmPlay::SetInstrument(int program) {
    const QSignalBlocker quiet(ui_->cmbInstrument);
    ui_->cmbInstrument->setCurrentIndex(std::clamp(program, 0, kGeneralMidiProgramCount - 1));
}

void TfrmPlay::Play() {
    StoreChoices();
    SetPlaying(true);
    if (onPlay) onPlay();
}

void TfrmPlay::Stop() {
    SetPlaying(false);
    if (onStop) onStop();
}

void TfrmPlay::PlayKey() {
    if (playing_)
        Stop();
    else
        Play();
}

void TfrmPlay::StoreChoices() {
    prefs_.PlayScoreTempo = ui_->chkPlayTempo->isChecked();
    prefs_.Tempo = ui_->edtPlayTempo->value();
    prefs_.StartClick = ui_->chkStartClick->isChecked();
    prefs_.StartClickNum = ui_->edtStartClick->value();
    prefs_.IsNoClickRepeat = ui_->chkIsNoClickRepeat->isChecked();
    prefs_.PlayCount = PlayCount();
    prefs_.FormPlayTop = pos().y();
    prefs_.FormPlayLeft = pos().x();
}

void TfrmPlay::hideEvent(QHideEvent* event) {
    StoreChoices();
    QDialog::hideEvent(event);
}

void TfrmPlay::keyPressEvent(QKeyEvent* event) {
    if (IsPlayKey(*event)) {
        PlayKey();
        return;
    }
    // Enter belongs to the fields; it never presses a button of this dialog.
    if (IsEnter(*event)) return;
    QDialog::keyPressEvent(event);
}

bool TfrmPlay::SpinEvent(QSpinBox* spin, QEvent* event) {
    const bool tempo = spin == ui_->edtPlayTempo;
    const bool bias = spin == ui_->edtPlayBias;
    auto apply = [&] {
        if (tempo && onTempo) onTempo(spin->value());
        if (bias && onBias) onBias(std::clamp(spin->value(), kMinBias, kMaxBias));
    };
    if (event->type() == QEvent::KeyPress && IsEnter(*static_cast<QKeyEvent*>(event))) {
        if (spin->text().isEmpty()) return true;
        spin->interpretText();
        apply();
        spin->selectAll();
        return true;
    }
    if (event->type() == QEvent::FocusOut) {
        // An emptied field counts as 0 once it is left.
        if (spin->text().isEmpty() || spin->text() == "-") spin->setValue(0);
        spin->interpretText();
        apply();
    }
    return false;
}

bool TfrmPlay::eventFilter(QObject* watched, QEvent* event) {
    QWidget* widget = qobject_cast<QWidget*>(watched);
    if (event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (IsPlayKey(*key)) {
            PlayKey();
            return true;
        }
        // The instrument list does not search by typed characters.
        if (widget == ui_->cmbInstrument && !key->text().isEmpty() && key->text()[0].isPrint())
            return true;
    }
    QSpinBox* spin = qobject_cast<QSpinBox*>(widget);
    if (!spin && widget) spin = qobject_cast<QSpinBox*>(widget->parentWidget());
    if (spin && (event->type() == QEvent::KeyPress || event->type() == QEvent::FocusOut)) {
        // The field's line edit and the spin box both report; act once.
        if (qobject_cast<QLineEdit*>(widget) && event->type() == QEvent::KeyPress) return false;
        if (SpinEvent(spin, event)) return true;
    }
    return QDialog::eventFilter(watched, event);
}

}  // namespace sorvel
