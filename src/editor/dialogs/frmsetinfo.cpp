// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/dialogs/frmsetinfo.h"

#include <QApplication>
#include <QPainter>
#include <QShortcut>
#include <QSpinBox>

#include "base/cp932.h"
#include "base/text.h"
#include "editor/dialogs/colorchoice.h"
#include "editor/dialogs/editoroptions.h"
#include "editor/dialogs/keycodecaption.h"
#include "editor/platform/fileassociation.h"
#include "editor/platform/interfacelanguage.h"
#include "editor/platform/translatedtext.h"
#include "model/layoutsettings.h"
#include "model/musicbook.h"
#include "model/musicsheet.h"
#include "model/preferencesfile.h"
#include "model/workspace.h"
#include "ui_frmsetinfo.h"
#include "view/core/drawcontext.h"
#include "view/qt/qtcanvas.h"

namespace sorvel {

namespace {

// The panels, in the order of the stacked widget.
enum Panel {
    kBookTitle = 0,
    kSongInfo,
    kPageProperty,
    kDispPosition,
    kGeneral,
    kColor,
    kMidi,
};

struct TabEntry {
    const char* caption;
    Panel panel;
};

const std::vector<TabEntry>& TabsOf(SetInfoMode mode) {
    static const std::vector<TabEntry> book = {
        {QT_TRANSLATE_NOOP("sorvel::TfrmSetInfo", "ブックタイトル"), kBookTitle},
        {QT_TRANSLATE_NOOP("sorvel::TfrmSetInfo", "ページプロパティ"), kPageProperty},
        {QT_TRANSLATE_NOOP("sorvel::TfrmSetInfo", "表示位置"), kDispPosition}};
    static const std::vector<TabEntry> page = {
        {QT_TRANSLATE_NOOP("sorvel::TfrmSetInfo", "曲情報"), kSongInfo},
        {QT_TRANSLATE_NOOP("sorvel::TfrmSetInfo", "ページプロパティ"), kPageProperty},
        {QT_TRANSLATE_NOOP("sorvel::TfrmSetInfo", "表示位置"), kDispPosition}};
    static const std::vector<TabEntry> option = {
        {QT_TRANSLATE_NOOP("sorvel::TfrmSetInfo", "一般"), kGeneral},
        {QT_TRANSLATE_NOOP("sorvel::TfrmSetInfo", "ページプロパティ"), kPageProperty},
        {QT_TRANSLATE_NOOP("sorvel::TfrmSetInfo", "表示位置"), kDispPosition},
        {QT_TRANSLATE_NOOP("sorvel::TfrmSetInfo", "色"), kColor},
        {QT_TRANSLATE_NOOP("sorvel::TfrmSetInfo", "MIDI設定"), kMidi}};
    return mode == SetInfoMode::Book ? book : mode == SetInfoMode::Page ? page : option;
}

const char* CaptionOf(SetInfoMode mode) {
    switch (mode) {
        case SetInfoMode::Book:
            return QT_TRANSLATE_NOOP("sorvel::TfrmSetInfo", "ブック情報設定");
        case SetInfoMode::Page:
            return QT_TRANSLATE_NOOP("sorvel::TfrmSetInfo", "ページ情報設定");
        case SetInfoMode::Option:
            return QT_TRANSLATE_NOOP("sorvel::TfrmSetInfo", "オプション");
    }
    return "";
}

constexpr int kGlyphButtonPixels = 26;
constexpr int kClickStatus = 144;  // note on
constexpr int kClickVelocity = 100;

QString ToDisplay(const std::string& cp932Bytes) {
    return QString::fromStdString(cp932::ToUtf8(cp932Bytes));
}

// The height of "8" in the music font at `points`, as drawing measures it.
int DigitHeight(int points) {
    QImage scratch(1, 1, QImage::Format_RGB32);
    QPainter painter(&scratch);
    QtCanvas canvas(painter, false);
    canvas.SetFont(kMusicFontName, SafePoints(points));
    return canvas.TextHeight("8");
}

QFont MusicFont(int pixels) {
    QFont font(QString::fromLatin1(kMusicFontName));
    font.setPixelSize(pixels);
    return font;
}

}  // namespace

TfrmSetInfo::TfrmSetInfo(Workspace& workspace, SetInfoServices services, QWidget* parent)
    : QDialog(parent),
      ui_(std::make_unique<Ui::TfrmSetInfo>()),
      ws_(workspace),
      services_(std::move(services)) {
    ui_->setupUi(this);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    BuildPreview();
    BuildLists();
    ConnectControls();
    ui_->pbDispPosition->installEventFilter(this);
}

TfrmSetInfo::~TfrmSetInfo() = default;

void TfrmSetInfo::BuildLists() {
    for (QComboBox* box : {ui_->cmbScoreFontColor, ui_->cmbGridColor, ui_->cmbCurSorFontColor,
                           ui_->cmbRubberBandColor, ui_->cmbPlayCursorColor}) {
        SetUpColorChoice(box);
    }
    for (const char* entry : ClickKeyEntries()) {
        ui_->cmbClickHKeyNo->addItem(Translated("SettingsValues", entry));
        ui_->cmbClickLKeyNo->addItem(Translated("SettingsValues", entry));
    }
    ui_->btnFingerNoT->setFont(MusicFont(kGlyphButtonPixels));
    ui_->btnFingerNo00->setFont(MusicFont(kGlyphButtonPixels));
    ui_->cmbNoteFontSize->setInsertPolicy(QComboBox::NoInsert);
    for (const std::string& key : KeyCodeEntries()) ui_->cmbKeyCode->addItem(KeyCodeCaption(key));
    ui_->cmbKeyCode->setMinimumContentsLength(10);
    // Automatic, then each language named in itself.
    ui_->cmbLanguage->addItem(tr("自動（システムの言語）"),
                              QString::fromLatin1(kAutomaticLanguage));
    for (InterfaceLanguage language : kInterfaceLanguages) {
        ui_->cmbLanguage->addItem(LanguageNativeName(language),
                                  QString::fromStdString(LanguageCode(language)));
    }
}

void TfrmSetInfo::ConnectControls() {
    connect(ui_->btnOK, &QPushButton::clicked, this, [this] { Confirm(); });
    connect(ui_->btnCancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(ui_->tabSetInfo, &QTabBar::currentChanged, this, &TfrmSetInfo::OnTabChanged);
    // Ctrl+Tab and Ctrl+Shift+Tab (and Ctrl+PgDown, Ctrl+PgUp) step through
    // the tabs, as in tabbed dialogs elsewhere; leaving a tab still checks its
    // panel.
    auto stepper = [this](QList<QKeySequence> keys, int by) {
        // A key listed twice would make the shortcut ambiguous.
        QList<QKeySequence> unique;
        for (const QKeySequence& key : keys) {
            if (!unique.contains(key)) unique.append(key);
        }
        auto* shortcut = new QShortcut(this);
        shortcut->setKeys(unique);
        connect(shortcut, &QShortcut::activated, this, [this, by] {
            QTabBar* tabs = ui_->tabSetInfo;
            const int count = tabs->count();
            if (count > 0) tabs->setCurrentIndex((tabs->currentIndex() + by + count) % count);
        });
    };
    stepper(QKeySequence::keyBindings(QKeySequence::NextChild) +
                QList<QKeySequence>{QKeySequence(Qt::CTRL | Qt::Key_Tab),
                                    QKeySequence(Qt::CTRL | Qt::Key_PageDown)},
            1);
    stepper(QKeySequence::keyBindings(QKeySequence::PreviousChild) +
                QList<QKeySequence>{QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab),
                                    QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Tab),
                                    QKeySequence(Qt::CTRL | Qt::Key_PageUp)},
            -1);
    ConnectDisplayPosition();

    connect(ui_->btnAssociate, &QPushButton::clicked, this, [this] { RunAssociation(true); });
    connect(ui_->btnUnassociate, &QPushButton::clicked, this, [this] { RunAssociation(false); });
    connect(ui_->btnClickH, &QPushButton::pressed, this,
            [this] { SoundClick(ui_->cmbClickHKeyNo, true); });
    connect(ui_->btnClickH, &QPushButton::released, this,
            [this] { SoundClick(ui_->cmbClickHKeyNo, false); });
    connect(ui_->btnClickL, &QPushButton::pressed, this,
            [this] { SoundClick(ui_->cmbClickLKeyNo, true); });
    connect(ui_->btnClickL, &QPushButton::released, this,
            [this] { SoundClick(ui_->cmbClickLKeyNo, false); });
}

// ---- showing -------------------------------------------------------------

bool TfrmSetInfo::Execute(SetInfoMode mode, TMusicSheet* page) {
    Prepare(mode, page);
    return exec() == QDialog::Accepted;
}

void TfrmSetInfo::Prepare(SetInfoMode mode, TMusicSheet* page) {
    mode_ = mode;
    page_ = mode == SetInfoMode::Page ? page : nullptr;
    midiChanged_ = false;
    setWindowTitle(tr(CaptionOf(mode)));
    LoadFields();
    RebuildTabs();
    SelectGroup(0);
    UpdateAssociationButtons();
}

void TfrmSetInfo::RebuildTabs() {
    QTabBar* tabs = ui_->tabSetInfo;
    const QSignalBlocker block(tabs);
    while (tabs->count() > 0) tabs->removeTab(0);
    for (const TabEntry& entry : TabsOf(mode_)) {
        const int index = tabs->addTab(tr(entry.caption));
        tabs->setTabData(index, static_cast<int>(entry.panel));
    }
    tabs->setCurrentIndex(0);
    shownTab_ = 0;
    ShowPanel(TabsOf(mode_).front().panel);
}

void TfrmSetInfo::ShowPanel(int panel) {
    shownPanel_ = panel;
    ui_->stkPanels->setCurrentIndex(panel);
}

void TfrmSetInfo::OnTabChanged(int index) {
    if (index < 0) return;
    if (const std::optional<FieldError> error = CheckPanel(shownPanel_)) {
        const QSignalBlocker block(ui_->tabSetInfo);
        ui_->tabSetInfo->setCurrentIndex(shownTab_);
        ShowFieldError(*error);
        return;
    }
    shownTab_ = index;
    ShowPanel(ui_->tabSetInfo->tabData(index).toInt());
}

void TfrmSetInfo::LoadFields() {
    TMusicBook& book = *ws_.book;
    switch (mode_) {
        case SetInfoMode::Book:
            shownBookTitle_ = ToDisplay(book.Title());
            ui_->edtBookTitle->setText(shownBookTitle_);
            LoadPageProperties(FieldsOf(book));
            rates_ = book.Rates();
            break;
        case SetInfoMode::Page:
            LoadSongInfo(*page_);
            LoadPageProperties(FieldsOf(*page_));
            rates_ = page_->Rates();
            break;
        case SetInfoMode::Option:
            LoadOptions();
            LoadPageProperties(DefaultFieldsOf(ws_.prefs));
            rates_ = ws_.prefs.DefoRates;
            LoadMidi();
            break;
    }
}

void TfrmSetInfo::LoadSongInfo(const TMusicSheet& page) {
    shownTitle_ = ToDisplay(page.Title());
    shownWriter_ = ToDisplay(page.Writer());
    shownPlaySpeed_ = ToDisplay(page.PlaySpeed());
    ui_->edtTitle->setText(shownTitle_);
    ui_->edtWriter->setText(shownWriter_);
    ui_->edtPlaySpeed->setText(shownPlaySpeed_);
    LoadKey(page.KeyCode());
    ui_->edtPlayCount->setValue(page.PlayCount());
}

void TfrmSetInfo::LoadKey(const std::string& keyCode) {
    QComboBox* keys = ui_->cmbKeyCode;
    const int listed = static_cast<int>(KeyCodeEntries().size());
    while (keys->count() > listed) keys->removeItem(listed);
    int index = KeyCodeIndex(keyCode);
    // A key the list does not hold (from another program or an older file)
    // is offered as one more entry, so that OK keeps it.
    if (index < 0 && !keyCode.empty()) {
        keys->addItem(KeyCodeCaption(keyCode));
        index = listed;
    }
    keys->setCurrentIndex(index);
}

void TfrmSetInfo::LoadPageProperties(const PagePropertyFields& f) {
    QComboBox* size = ui_->cmbNoteFontSize;
    int index = -1;
    for (int i = 0; i < size->count(); ++i) {
        if (FontSizeFromText(size->itemText(i).toStdString()) == f.noteFontSize) index = i;
    }
    size->setCurrentIndex(index);
    size->setEditText(QString::number(f.noteFontSize));
    if (index >= 0) size->setEditText(size->itemText(index));
    ui_->edtTitleHeight->setValue(f.titleHeight);
    ui_->edtTopSpace->setValue(f.topSpace);
    ui_->edtBottomSpace->setValue(f.bottomSpace);
    ui_->edtLeftSpace->setValue(f.leftSpace);
    ui_->edtRightSpace->setValue(f.rightSpace);
    ui_->edtBarParRow->setValue(f.barParRow);
    ui_->edtDivParBar->setValue(f.divParBarShown);
    ui_->edtRowDivNum->setValue(f.rowDivNum);
}

void TfrmSetInfo::LoadOptions() {
    const Preferences& p = ws_.prefs;
    ui_->chkIsSkipCursor->setChecked(p.IsSkipCursor);
    ui_->chkIsDispKeyName->setChecked(p.IsDispKeyName);
    (p.IsRBtnCsrMove ? ui_->rbRBtnCsrMove : ui_->rbRBtnSound)->setChecked(true);
    (p.IsFingerNo00 ? ui_->btnFingerNo00 : ui_->btnFingerNoT)->setChecked(true);
    SelectColor(ui_->cmbScoreFontColor, p.DefoScoreFontColor);
    SelectColor(ui_->cmbGridColor, p.DefoGridColor);
    SelectColor(ui_->cmbCurSorFontColor, p.DefoCurSorFontColor);
    SelectColor(ui_->cmbRubberBandColor, p.DefoRubberBandColor);
    SelectColor(ui_->cmbPlayCursorColor, p.DefoPlayCursorColor);
    ui_->edtPlayCursorWidth->setValue(p.DefoPlayCursorWidth);
    ui_->cmbPlayCursorDispMode->setCurrentIndex(p.DefoPlayCursorDispMode == 1 ? 1 : 0);
    LoadLanguage();
    LoadRhythmOption();
    LoadEditorOptions(*this, services_.settingsPath);
}

void TfrmSetInfo::LoadMidi() {
    const Preferences& p = ws_.prefs;
    QComboBox* devices = ui_->cmbMidiDevice;
    devices->clear();
    if (services_.listMidiOutputs) {
        for (const std::string& name : services_.listMidiOutputs()) {
            devices->addItem(QString::fromStdString(name));
        }
    }
    // A stored device that is no longer there selects nothing and is kept.
    devices->setCurrentIndex(p.DeviceID >= 0 && p.DeviceID < devices->count() ? p.DeviceID : -1);
    ui_->edtRhythmChannelNo->setValue(p.RhythmChannelNo + 1);
    ui_->cmbClickHKeyNo->setCurrentIndex(p.ClickHKeyNo - kFirstClickKey);
    ui_->cmbClickLKeyNo->setCurrentIndex(p.ClickLKeyNo - kFirstClickKey);
    ui_->edtClickHVelocity->setValue(p.ClickHVelocity);
    ui_->edtClickLVelocity->setValue(p.ClickLVelocity);
    ui_->edtMeloVelocity->setValue(p.MeloVelocity);
}

// ---- checking ------------------------------------------------------------

PagePropertyFields TfrmSetInfo::PageFields() const {
    for (QSpinBox* box : findChildren<QSpinBox*>()) box->interpretText();
    PagePropertyFields f;
    f.noteFontSize = FontSizeFromText(ui_->cmbNoteFontSize->currentText().toStdString());
    f.titleHeight = ui_->edtTitleHeight->value();
    f.topSpace = ui_->edtTopSpace->value();
    f.bottomSpace = ui_->edtBottomSpace->value();
    f.leftSpace = ui_->edtLeftSpace->value();
    f.rightSpace = ui_->edtRightSpace->value();
    f.barParRow = ui_->edtBarParRow->value();
    f.divParBarShown = ui_->edtDivParBar->value();
    f.rowDivNum = ui_->edtRowDivNum->value();
    return f;
}

MidiFields TfrmSetInfo::MidiFieldValues() const {
    for (QSpinBox* box : findChildren<QSpinBox*>()) box->interpretText();
    return {ui_->edtMeloVelocity->value(), ui_->edtRhythmChannelNo->value(),
            ui_->edtClickHVelocity->value(), ui_->edtClickLVelocity->value()};
}

std::optional<FieldError> TfrmSetInfo::CheckPanel(int panel) {
    switch (panel) {
        case kSongInfo:
            ui_->edtPlayCount->interpretText();
            return CheckSongInfo(ui_->edtPlayCount->value());
        case kPageProperty:
            return CheckPageProperties(PageFields(), ws_.layout.PageWidth, ws_.layout.PageHeight);
        case kMidi:
            return CheckMidiFields(MidiFieldValues());
        default:
            return std::nullopt;
    }
}

QWidget* TfrmSetInfo::FieldWidget(SettingsField field) const {
    switch (field) {
        case SettingsField::PlayCount:
            return ui_->edtPlayCount;
        case SettingsField::NoteFontSize:
            return ui_->cmbNoteFontSize;
        case SettingsField::TitleHeight:
            return ui_->edtTitleHeight;
        case SettingsField::TopSpace:
            return ui_->edtTopSpace;
        case SettingsField::BottomSpace:
            return ui_->edtBottomSpace;
        case SettingsField::LeftSpace:
            return ui_->edtLeftSpace;
        case SettingsField::RightSpace:
            return ui_->edtRightSpace;
        case SettingsField::BarParRow:
            return ui_->edtBarParRow;
        case SettingsField::DivParBar:
            return ui_->edtDivParBar;
        case SettingsField::RowDivNum:
            return ui_->edtRowDivNum;
        case SettingsField::MeloVelocity:
            return ui_->edtMeloVelocity;
        case SettingsField::RhythmChannel:
            return ui_->edtRhythmChannelNo;
        case SettingsField::ClickHVelocity:
            return ui_->edtClickHVelocity;
        case SettingsField::ClickLVelocity:
            return ui_->edtClickLVelocity;
    }
    return nullptr;
}

void TfrmSetInfo::ShowFieldError(const FieldError& error) {
    QWidget* field = FieldWidget(error.field);
    if (field) {
        field->setFocus(Qt::OtherFocusReason);
        if (auto* spin = qobject_cast<QSpinBox*>(field)) spin->selectAll();
        if (auto* combo = qobject_cast<QComboBox*>(field); combo && combo->lineEdit()) {
            combo->lineEdit()->selectAll();
        }
    }
    if (services_.showError) services_.showError(this, Translated(error.message));
}

bool TfrmSetInfo::Confirm() {
    // The panel shown first, then the others: nothing is applied while any
    // field of the mode is bad, so the book is never left half changed.
    std::vector<int> panels = {shownPanel_};
    for (const TabEntry& entry : TabsOf(mode_)) {
        if (entry.panel != shownPanel_) panels.push_back(entry.panel);
    }
    for (int panel : panels) {
        const std::optional<FieldError> error = CheckPanel(panel);
        if (!error) continue;
        if (panel != shownPanel_) {
            QTabBar* tabs = ui_->tabSetInfo;
            const QSignalBlocker block(tabs);
            for (int i = 0; i < tabs->count(); ++i) {
                if (tabs->tabData(i).toInt() == panel) {
                    tabs->setCurrentIndex(i);
                    shownTab_ = i;
                }
            }
            ShowPanel(panel);
        }
        ShowFieldError(*error);
        return false;
    }
    accept();
    return true;
}

void TfrmSetInfo::Apply() {
    switch (mode_) {
        case SetInfoMode::Book:
            ApplyBook();
            break;
        case SetInfoMode::Page:
            ApplyPage();
            break;
        case SetInfoMode::Option:
            ApplyOptions();
            break;
    }
}

// ---- applying ------------------------------------------------------------

std::string TfrmSetInfo::FieldBytes(const QString& now, const QString& shown,
                                    const std::string& original) const {
    if (now == shown) return original;
    // A stored text is one line: line breaks pasted into a field become blanks.
    QString line = now;
    line.replace(QLatin1Char('\r'), QLatin1Char(' ')).replace(QLatin1Char('\n'), QLatin1Char(' '));
    return cp932::FromUtf8(line.toStdString());
}

void TfrmSetInfo::ApplyBook() {
    TMusicBook& book = *ws_.book;
    book.SetTitle(FieldBytes(ui_->edtBookTitle->text(), shownBookTitle_, book.Title()));
    ApplyPageProperties(book, PageFields(), rates_, ws_.layout.PageWidth, ws_.layout.PageHeight);
}

void TfrmSetInfo::ApplyPage() {
    TMusicSheet& page = *page_;
    page.SetTitle(FieldBytes(ui_->edtTitle->text(), shownTitle_, page.Title()));
    page.SetWriter(FieldBytes(ui_->edtWriter->text(), shownWriter_, page.Writer()));
    // The page's own key, shown after the list's entries, is kept as it is.
    const int key = ui_->cmbKeyCode->currentIndex();
    if (key >= 0 && key < static_cast<int>(KeyCodeEntries().size())) {
        page.SetKeyCode(KeyCodeEntries()[static_cast<std::size_t>(key)]);
    }
    page.SetPlaySpeed(FieldBytes(ui_->edtPlaySpeed->text(), shownPlaySpeed_, page.PlaySpeed()));
    page.SetPlayCount(ui_->edtPlayCount->value());
    const PagePropertyFields fields = PageFields();
    if (fields.noteFontSize != page.NoteFontSize()) {
        ScaleAttachedMarks(page, DigitHeight(page.NoteFontSize()),
                           DigitHeight(fields.noteFontSize));
    }
    ApplyPageProperties(page, fields, rates_, ws_.layout.PageWidth, ws_.layout.PageHeight);
    TakeOverPageSettings(ws_.layout, page, ws_.glyphs);
}

void TfrmSetInfo::ApplyOptions() {
    Preferences& p = ws_.prefs;
    p.IsSkipCursor = ui_->chkIsSkipCursor->isChecked();
    p.IsDispKeyName = ui_->chkIsDispKeyName->isChecked();
    p.IsRBtnCsrMove = ui_->rbRBtnCsrMove->isChecked();
    p.IsFingerNo00 = ui_->btnFingerNo00->isChecked();
    ApplyDefaultPageProperties(p, PageFields(), rates_, ws_.layout.PageWidth,
                               ws_.layout.PageHeight);
    p.DefoScoreFontColor = ChosenColor(ui_->cmbScoreFontColor);
    p.DefoGridColor = ChosenColor(ui_->cmbGridColor);
    p.DefoCurSorFontColor = ChosenColor(ui_->cmbCurSorFontColor);
    p.DefoRubberBandColor = ChosenColor(ui_->cmbRubberBandColor);
    p.DefoPlayCursorColor = ChosenColor(ui_->cmbPlayCursorColor);
    p.DefoPlayCursorWidth = ui_->edtPlayCursorWidth->value();
    p.DefoPlayCursorDispMode = ui_->cmbPlayCursorDispMode->currentIndex() == 1 ? 1 : 0;
    ApplyLanguage();
    ApplyRhythmOption();
    ApplyEditorOptions(*this, services_.settingsPath, services_.showError);
    ApplyMidi();
}

void TfrmSetInfo::ApplyMidi() {
    Preferences& p = ws_.prefs;
    const Preferences before = p;
    if (const int device = ui_->cmbMidiDevice->currentIndex(); device >= 0) p.DeviceID = device;
    const MidiFields m = MidiFieldValues();
    p.MeloVelocity = m.meloVelocity;
    p.RhythmChannelNo = m.rhythmChannelShown - 1;
    if (const int key = ui_->cmbClickHKeyNo->currentIndex(); key >= 0) {
        p.ClickHKeyNo = key + kFirstClickKey;
    }
    if (const int key = ui_->cmbClickLKeyNo->currentIndex(); key >= 0) {
        p.ClickLKeyNo = key + kFirstClickKey;
    }
    p.ClickHVelocity = m.clickHVelocity;
    p.ClickLVelocity = m.clickLVelocity;
    midiChanged_ = p.DeviceID != before.DeviceID || p.MeloVelocity != before.MeloVelocity ||
                   p.RhythmChannelNo != before.RhythmChannelNo ||
                   p.ClickHKeyNo != before.ClickHKeyNo || p.ClickLKeyNo != before.ClickLKeyNo ||
                   p.ClickHVelocity != before.ClickHVelocity ||
                   p.ClickLVelocity != before.ClickLVelocity;
}

// ---- association and clicks ----------------------------------------------

void TfrmSetInfo::UpdateAssociationButtons() {
    const bool available = services_.association != nullptr;
    const bool present = available && services_.association->IsRegistered();
    ui_->btnAssociate->setEnabled(available && !present);
    ui_->btnUnassociate->setEnabled(available && present);
}

void TfrmSetInfo::RunAssociation(bool registering) {
    if (!services_.association) return;
    std::string error;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const bool ok = registering ? services_.association->Register(&error)
                                : services_.association->Unregister(&error);
    QApplication::restoreOverrideCursor();
    UpdateAssociationButtons();
    if (!ok && services_.showError) {
        const QString what = registering ? tr("関連付けを登録できませんでした。")
                                         : tr("関連付けを解除できませんでした。");
        services_.showError(this, what + "\n" + QString::fromStdString(error));
    }
}

void TfrmSetInfo::SoundClick(QComboBox* keys, bool down) {
    if (!services_.sendShortMessage || keys->currentIndex() < 0) return;
    services_.sendShortMessage(ws_.prefs.RhythmChannelNo, kClickStatus,
                               keys->currentIndex() + kFirstClickKey, down ? kClickVelocity : 0);
}

}  // namespace sorvel
