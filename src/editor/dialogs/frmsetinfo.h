// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The settings dialog in its three modes: the book's title and layout, the
// shown page's header texts and layout, and the program's options with the
// defaults for new books. It checks its fields, and on OK applies them all
// at once through the model's setters (the caller holds the undo group);
// before OK it changes nothing.
#include <QDialog>
#include <QImage>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "editor/dialogs/settingsvalues.h"
#include "model/glyphinfotable.h"
#include "model/layoutstate.h"
#include "model/modelenv.h"
#include "model/offsetrates.h"

namespace Ui {
class TfrmSetInfo;
}

class QAbstractButton;
class QCheckBox;
class QComboBox;
class QRadioButton;
class QWidget;

namespace sorvel {

class FileAssociation;
class TMusicBook;
class TMusicSheet;
class Workspace;

enum class SetInfoMode { Book, Page, Option };

// Rhythm entry's nearest octave is an option of our own, stored under its own
// key; on unless the options turned it off.
inline constexpr char kAutoOctaveSection[] = "Editor";
inline constexpr char kAutoOctaveKey[] = "RhythmAutoOctave";

// What the dialog needs from outside besides the workspace.
struct SetInfoServices {
    // Error boxes with OK.
    std::function<void(QWidget* parent, const QString& text)> showError;
    // The MIDI output devices, in device-number order.
    std::function<std::vector<std::string>()> listMidiOutputs;
    // A short MIDI message (channel, status without channel bits, data 1, 2)
    // to the program's output: the click buttons sound through it.
    std::function<void(int channel, int status, int data1, int data2)> sendShortMessage;
    // The file association of the general tab; none disables its buttons.
    FileAssociation* association = nullptr;
    // The settings file that keeps the interface language and rhythm entry's
    // octave option chosen on the general tab (keys of our own); empty: the
    // choices are not offered.
    std::string settingsPath;
};

class TfrmSetInfo : public QDialog {
    Q_OBJECT

public:
    TfrmSetInfo(Workspace& workspace, SetInfoServices services, QWidget* parent);
    ~TfrmSetInfo() override;

    // Fills the dialog for `mode` as a showing does: the tabs of the mode with
    // the first one chosen, the fields from the book, the page (page mode) or
    // the preferences, the first display-position group selected, the
    // association buttons rechecked.
    void Prepare(SetInfoMode mode, TMusicSheet* page = nullptr);
    // Prepare, then shows the dialog modally; true when it closed with OK.
    bool Execute(SetInfoMode mode, TMusicSheet* page = nullptr);

    // The OK button: checks the panel shown and then every other panel of the
    // mode; the first bad field is shown with its message and the dialog stays
    // open (false). Otherwise closes with OK.
    bool Confirm();
    // After an OK: applies everything the mode shows (the book's or the
    // page's settings, or the options).
    void Apply();

    SetInfoMode Mode() const { return mode_; }
    // After an OK in option mode: whether the MIDI settings changed (device,
    // velocities, rhythm channel, click keys).
    bool MidiSettingsChanged() const { return midiChanged_; }

    // The display-position panel's state (tests and the preview).
    const OffsetRates& WorkingRates() const { return rates_; }
    int SelectedGroup() const { return selectedGroup_; }
    void SelectGroup(int index);
    void ChooseRate(int rate);
    // The preview as last drawn.
    const QImage& Preview() const { return preview_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildLists();
    void ConnectControls();
    void RebuildTabs();
    void ShowPanel(int panel);
    void OnTabChanged(int index);
    void LoadFields();
    void LoadSongInfo(const TMusicSheet& page);
    void LoadKey(const std::string& keyCode);
    void LoadPageProperties(const PagePropertyFields& fields);
    void LoadOptions();
    void LoadLanguage();
    void ApplyLanguage();
    // Rhythm entry's nearest octave (frmsetinfo_rhythm.cpp).
    void LoadRhythmOption();
    void ApplyRhythmOption();
    void LoadMidi();

    // The panels' checks; the first bad field of `panel`.
    std::optional<FieldError> CheckPanel(int panel);
    QWidget* FieldWidget(SettingsField field) const;
    void ShowFieldError(const FieldError& error);
    PagePropertyFields PageFields() const;
    MidiFields MidiFieldValues() const;

    void ApplyBook();
    void ApplyPage();
    void ApplyOptions();
    void ApplyMidi();

    // The display-position panel (frmsetinfo_position.cpp).
    void BuildPreview();
    void ConnectDisplayPosition();
    QList<QAbstractButton*> GroupButtons() const;
    QList<QCheckBox*> GroupChecks() const;
    QList<QRadioButton*> RateButtons() const;
    void DrawPreview();

    void UpdateAssociationButtons();
    void RunAssociation(bool registering);
    void SoundClick(QComboBox* keys, bool down);
    // The text of a line edit as CP932 bytes; the original bytes when the
    // field was not edited, so text that did not come from the keyboard is
    // kept byte for byte.
    std::string FieldBytes(const QString& now, const QString& shown,
                           const std::string& original) const;

    std::unique_ptr<Ui::TfrmSetInfo> ui_;
    Workspace& ws_;
    SetInfoServices services_;
    SetInfoMode mode_ = SetInfoMode::Book;
    TMusicSheet* page_ = nullptr;
    int shownPanel_ = 0;
    int shownTab_ = 0;
    bool midiChanged_ = false;

    // What the text fields showed when filled, to tell edits apart.
    QString shownBookTitle_, shownTitle_, shownWriter_, shownPlaySpeed_;

    OffsetRates rates_;
    int selectedGroup_ = 0;
    QImage preview_;
    // The preview draws with a note size of 32 and a grid step of 30 on a
    // scratch page of its own, so the current layout is never touched.
    LayoutState previewLayout_;
    GlyphInfoTable previewGlyphs_;
    ModelEnv previewEnv_;
    std::unique_ptr<TMusicBook> previewBook_;
};

}  // namespace sorvel
