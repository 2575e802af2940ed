// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The play dialog "演奏コントロール": how the next play is built (tempo,
// count-in, repeats, passes, practice loops) and what may change while it
// plays (tempo, transposition, instrument, mutes); it shows the pass under
// way. The playback controller runs the play.
#include <QDialog>
#include <functional>
#include <memory>
#include <string>

#include "playback/conversion/playoptions.h"

class QSpinBox;

namespace Ui {
class TfrmPlay;
}

namespace sorvel {

struct Preferences;

// The mute button's two captions, translated as TfrmPlay::tr(caption): the
// melody muted on every pass, or on every second pass only.
inline constexpr char kMuteCaption[] = QT_TRANSLATE_NOOP("sorvel::TfrmPlay", "MUTE");
inline constexpr char kAlternateMuteCaption[] = QT_TRANSLATE_NOOP("sorvel::TfrmPlay", "MUTE(交互)");
inline constexpr char kMsgNoPlayAlongInput[] = QT_TRANSLATE_NOOP(
    "sorvel::TfrmPlay", "入力デバイスがないため使えません。マイクをつなぐと使えます。");
// The pass under way and its speed: of a counted loop, of an endless one.
inline constexpr char kPassOfCount[] =
    QT_TRANSLATE_NOOP("sorvel::TfrmPlay", "%1 / %2 回目　速度 %3 %");
inline constexpr char kPassEndless[] = QT_TRANSLATE_NOOP("sorvel::TfrmPlay", "%1 回目　速度 %2 %");

class TfrmPlay : public QDialog {
    Q_OBJECT
public:
    // Takes its initial values from `prefs` and its place from the settings
    // file; `prefs` must outlive every call but the destructor.
    TfrmPlay(Preferences& prefs, std::string settingsPath, QWidget* parent = nullptr);
    ~TfrmPlay() override;  // writes its place and stored choices

    bool IsPlaying() const { return playing_; }
    void SetPlaying(bool playing);

    // What the conversion of the next play takes from the dialog.
    PlayOptions Options() const;
    int PlayBias() const;   // -36 to 36
    int PlayCount() const;  // at least 1
    bool NoClickRepeat() const;
    bool LoopEndless() const;
    int TempoPercent() const;  // 40 to 150
    bool TempoRise() const;
    // Shows pass `pass` (0 = the first) at `percent`; a negative pass clears it.
    void ShowPass(int pass, int percent);
    // "マイクで一緒に弾く": checked, and an input to listen to.
    bool PlayAlong() const;
    // Without an input the box is disabled and its tooltip says why.
    void SetPlayAlongAvailable(bool available);
    bool AlternateMute() const;
    bool MetronomeMuted() const;
    bool MelodyMuted() const;
    int Instrument() const;
    void SetInstrument(int program);

    // Wired by the playback controller.
    std::function<void()> onPlay;                 // btnPlay
    std::function<void()> onStop;                 // btnStop
    std::function<void(int)> onTempo;             // a new play tempo, at once
    std::function<void(int)> onBias;              // a new transposition, at once
    std::function<void(int)> onInstrument;        // a program was chosen
    std::function<void(int track, bool)> onMute;  // a mute box was clicked
    std::function<void(bool)> onAlternateMute;    // the mute button's mode

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void PlayKey();
    void Play();
    void Stop();
    void UpdateEnabling();
    void StoreChoices();
    void ShowMuteCaption();
    void FillInstruments();
    // Enter and leaving a spin box: typed values of tempo and transposition
    // apply then (an arrow step applies at once); an emptied field becomes 0.
    bool SpinEvent(QSpinBox* spin, QEvent* event);

    std::unique_ptr<Ui::TfrmPlay> ui_;
    Preferences& prefs_;
    std::string settingsPath_;
    bool playing_ = false;
    bool alternateMute_ = false;
    bool playAlongAvailable_ = true;  // the mute button reads "MUTE(交互)"
    int lastTempo_ = 0;
    int lastBias_ = 0;
};

}  // namespace sorvel
