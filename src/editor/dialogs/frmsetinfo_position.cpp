// SPDX-License-Identifier: GPL-3.0-or-later
// The settings dialog's display-position panel: the mark groups, their
// rates and the preview of a sample note with the chosen groups' marks
// above it, drawn on a scratch page of the dialog's own.
#include <QButtonGroup>
#include <QEvent>
#include <QPainter>

#include "base/arith.h"
#include "editor/dialogs/frmsetinfo.h"
#include "model/itemfactory.h"
#include "model/musicbook.h"
#include "model/musicmark.h"
#include "model/musicsheet.h"
#include "model/note.h"
#include "model/workspace.h"
#include "ui_frmsetinfo.h"
#include "view/core/drawcontext.h"
#include "view/core/itemdrawing.h"
#include "view/qt/qtcanvas.h"

namespace sorvel {

namespace {

// The sample note of the preview and the glyphs above it.
constexpr int kPreviewX = 50;
constexpr int kPreviewY = 150;
constexpr int kPreviewNotePoints = 32;
constexpr int kPreviewGridSize = 30;

// Creates the preview's item for a group glyph: spanning marks for the
// hairpin, slur, triplet and bracket, a sign for the rest.
TMusicItem* CreatePreviewMark(TMusicSheet& page, char glyph) {
    TMusicItem* item = nullptr;
    switch (glyph) {
        case 'I':
            item = CreateItem<TCresc>(page);
            break;
        case 'Y':
            item = CreateItem<TSlur>(page);
            break;
        case 'Z':
            item = CreateItem<T3ren>(page);
            break;
        case '<':
            item = CreateItem<TKakko>(page);
            break;
        default:
            item = CreateItem<TMusicSign>(page);
            break;
    }
    item->SetContent(std::string(1, glyph));
    item->SetPosX(kPreviewX);
    return item;
}

}  // namespace

void TfrmSetInfo::BuildPreview() {
    previewLayout_.NoteFontSize = kPreviewNotePoints;
    previewLayout_.GridSize = kPreviewGridSize;
    previewEnv_ = ModelEnv{nullptr, &ws_.prefs, &previewLayout_, &previewGlyphs_};
    previewBook_ = std::make_unique<TMusicBook>(previewEnv_);
    TMusicSheet* scratch = previewBook_->NewSheet();
    TNote* note = CreateItem<TNote>(*scratch);
    note->SetContent("5");
    note->SetOctave(1);
    note->SetLength(1);
    note->SetPosX(kPreviewX);
    note->SetPosY(kPreviewY);
    for (const DisplayPositionGroup& group : DisplayPositionGroups()) {
        CreatePreviewMark(*scratch, group.glyph);
    }
}

// The group buttons, check boxes and rate buttons, in the order of
// DisplayPositionGroups() and kDisplayPositionRates.
QList<QAbstractButton*> TfrmSetInfo::GroupButtons() const {
    return {ui_->btnFingerNo, ui_->btnPF,    ui_->btnCrese,  ui_->btnSlur,
            ui_->btnOrnament, ui_->btnSpeed, ui_->btnBranch, ui_->btnBow,
            ui_->btnString,   ui_->btn3ren,  ui_->btnKakko};
}

QList<QCheckBox*> TfrmSetInfo::GroupChecks() const {
    return {ui_->chkFingerNo, ui_->chkPF,    ui_->chkCrese,  ui_->chkSlur,
            ui_->chkOrnament, ui_->chkSpeed, ui_->chkBranch, ui_->chkBow,
            ui_->chkString,   ui_->chk3ren,  ui_->chkKakko};
}

QList<QRadioButton*> TfrmSetInfo::RateButtons() const {
    return {ui_->rbRate320, ui_->rbRate270,  ui_->rbRate220, ui_->rbRate170,
            ui_->rbRate120, ui_->rbRateM120, ui_->rbRateM170};
}

void TfrmSetInfo::ConnectDisplayPosition() {
    const QList<QAbstractButton*> groupButtons = GroupButtons();
    const QList<QCheckBox*> groupChecks = GroupChecks();
    auto* groups = new QButtonGroup(this);
    groups->setExclusive(true);
    for (int i = 0; i < groupButtons.size(); ++i) {
        groups->addButton(groupButtons[i], i);
        connect(groupChecks[i], &QCheckBox::clicked, this, [this] { DrawPreview(); });
    }
    connect(groups, &QButtonGroup::idClicked, this, &TfrmSetInfo::SelectGroup);

    const QList<QRadioButton*> rateButtons = RateButtons();
    auto* rates = new QButtonGroup(this);
    for (int i = 0; i < rateButtons.size(); ++i) rates->addButton(rateButtons[i], i);
    // Only a click sets the rate; a radio button checked by a group's band
    // changes nothing.
    connect(rates, &QButtonGroup::idClicked, this,
            [this](int id) { ChooseRate(kDisplayPositionRates[static_cast<std::size_t>(id)]); });
}

void TfrmSetInfo::SelectGroup(int index) {
    if (index < 0 || index >= static_cast<int>(DisplayPositionGroups().size())) return;
    selectedGroup_ = index;
    GroupButtons()[index]->setChecked(true);
    if (const std::optional<int> band = RateBand(GroupRate(rates_, index))) {
        const QList<QRadioButton*> radios = RateButtons();
        for (std::size_t i = 0; i < kDisplayPositionRates.size(); ++i) {
            if (kDisplayPositionRates[i] == *band) radios[static_cast<int>(i)]->setChecked(true);
        }
    }
    DrawPreview();
}

void TfrmSetInfo::ChooseRate(int rate) {
    SetGroupRate(rates_, selectedGroup_, rate);
    DrawPreview();
}

void TfrmSetInfo::DrawPreview() {
    QWidget* box = ui_->pbDispPosition;
    // The paint box has a fixed size, known before the dialog is first shown.
    preview_ = QImage(box->minimumSize(), QImage::Format_RGB32);
    preview_.fill(Qt::white);
    QPainter painter(&preview_);
    painter.setRenderHint(QPainter::Antialiasing);
    QtCanvas canvas(painter, false);
    previewGlyphs_.RefreshRates(rates_);
    TRinjiMarkTbl rinji;
    DrawContext ctx{ws_.prefs, rinji, previewGlyphs_, previewLayout_};
    canvas.SetFont(kMusicFontName, kPreviewNotePoints);
    canvas.SetFontColor(ctx.ScoreColor());
    canvas.SetPen(ctx.ScoreColor(), 1);
    const int h = canvas.TextHeight("8");

    TMusicSheet& scratch = *previewBook_->GetSheet(0);
    std::vector<TMusicItem*> marks;
    TMusicItem* note = nullptr;
    for (int i = 0; i < scratch.ItemCount(); ++i) {
        TMusicItem* item = scratch.GetItem(i);
        if (item->Class() == ItemClass::Note) {
            note = item;
        } else {
            marks.push_back(item);
        }
    }
    DrawItem(canvas, *note, ctx);
    const QList<QCheckBox*> checks = GroupChecks();
    const auto& groups = DisplayPositionGroups();
    for (int g = 0; g < static_cast<int>(groups.size()); ++g) {
        if (g != selectedGroup_ && !checks[g]->isChecked()) continue;
        for (TMusicItem* mark : marks) {
            if (mark->Content() != std::string(1, groups[static_cast<std::size_t>(g)].glyph)) {
                continue;
            }
            mark->SetPosY(kPreviewY - DivTrunc(h * GroupRate(rates_, g), 100));
            DrawItem(canvas, *mark, ctx);
        }
    }
    painter.end();
    box->update();
}

bool TfrmSetInfo::eventFilter(QObject* watched, QEvent* event) {
    if (watched == ui_->pbDispPosition && event->type() == QEvent::Paint) {
        QPainter painter(ui_->pbDispPosition);
        painter.drawImage(0, 0, preview_);
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

}  // namespace sorvel
