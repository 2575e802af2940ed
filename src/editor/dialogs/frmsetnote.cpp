// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/dialogs/frmsetnote.h"

#include <QMouseEvent>
#include <QPainter>
#include <algorithm>
#include <cstdlib>

#include "base/arith.h"
#include "model/glyphinfotable.h"
#include "model/musicbook.h"
#include "model/musicsheet.h"
#include "model/note.h"
#include "model/workspace.h"
#include "ui_frmsetnote.h"
#include "view/core/drawcontext.h"
#include "view/qt/qtcanvas.h"

namespace sorvel {

namespace {

// The note is shown as at a note size of 72 points.
constexpr int kShownNotePoints = 72;
constexpr char kSharp[] = "`";

int PointsAt(int sizeRate) {
    return SafePoints(ScaleByRate(kShownNotePoints, sizeRate));
}

// The offsets of a part at `now` that was shown at `shown` for the offsets
// `kept`. A pixel is coarser than one per cent of a glyph narrower or lower
// than 100 pixels, so an axis along which the part stands where it was shown
// keeps its offset instead of being converted back from pixels.
FigurePoint OffsetsOfPart(const NoteFigure& figure, FigurePoint now, FigurePoint shown,
                          FigurePoint kept) {
    const FigurePoint converted = OffsetsFromPoint(figure, now);
    return {now.x == shown.x ? kept.x : converted.x, now.y == shown.y ? kept.y : converted.y};
}

}  // namespace

TfrmSetNote::TfrmSetNote(Workspace& workspace, QWidget* parent)
    : QDialog(parent), ui_(std::make_unique<Ui::TfrmSetNote>()), ws_(workspace) {
    ui_->setupUi(this);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    ui_->pbNote->installEventFilter(this);
    ui_->pbNote->setCursor(Qt::OpenHandCursor);
    connect(ui_->btnOK, &QPushButton::clicked, this, [this] { Confirm(); });
    connect(ui_->btnCancel, &QPushButton::clicked, this, &QDialog::reject);
}

TfrmSetNote::~TfrmSetNote() = default;

void TfrmSetNote::Prepare(TNote& note, TMusicSheet& page) {
    note_ = &note;
    page_ = &page;
    ui_->chkDefault->setChecked(false);
    ui_->chkAllNotes->setChecked(false);
    grab_ = Grab::None;
    Measure();
    shownOffsets_ = OffsetsOf(note);
    accidental_ = PointFromOffsets(figure_, shownOffsets_.xRinji, shownOffsets_.yRinji);
    dot_ = PointFromOffsets(figure_, shownOffsets_.xFuten, shownOffsets_.yFuten);
    shownAccidental_ = accidental_;
    shownDot_ = dot_;
    Repaint();
}

bool TfrmSetNote::Execute(TNote& note, TMusicSheet& page) {
    Prepare(note, page);
    return exec() == QDialog::Accepted;
}

void TfrmSetNote::Measure() {
    const GlyphInfoTable& glyphs = ws_.glyphs;
    const std::string glyph = note_->Content().substr(0, 1);
    const GlyphInfo info = glyphs.LookupContent(glyph);
    notePoints_ = PointsAt(info.SizeRate);
    accidentalPoints_ = PointsAt(glyphs.Lookup(GlyphInfoTable::kSharp).SizeRate);

    QImage scratch(1, 1, QImage::Format_RGB32);
    QPainter painter(&scratch);
    QtCanvas canvas(painter, false);
    canvas.SetFont(kMusicFontName, notePoints_);
    figure_.w = canvas.TextWidth(glyph);
    textHeight_ = canvas.TextHeight(glyph);
    figure_.h = ScaleByRate(textHeight_, info.HeightRate);
    canvas.SetFontSize(accidentalPoints_);
    accidentalWidth_ = canvas.TextWidth(kSharp);
    accidentalHeight_ = canvas.TextHeight(kSharp);
    // The paint box has a fixed size, known before the dialog is first shown.
    figure_.cx = Half(ui_->pbNote->minimumWidth());
    figure_.cy = Half(ui_->pbNote->minimumHeight());
}

void TfrmSetNote::Repaint() {
    QWidget* box = ui_->pbNote;
    picture_ = QImage(box->minimumSize(), QImage::Format_RGB32);
    picture_.fill(Qt::white);
    QPainter painter(&picture_);
    painter.setRenderHint(QPainter::Antialiasing);
    QtCanvas canvas(painter, false);
    const auto scoreColor = static_cast<Color>(ws_.prefs.DefoScoreFontColor);
    const auto cursorColor = static_cast<Color>(ws_.prefs.DefoCurSorFontColor);
    const std::string glyph = note_ ? note_->Content().substr(0, 1) : std::string();
    canvas.SetFont(kMusicFontName, notePoints_ > 0 ? notePoints_ : kShownNotePoints);
    canvas.SetFontColor(scoreColor);
    canvas.TextOut(figure_.cx - Half(figure_.w), figure_.cy - Half(textHeight_), glyph);
    if (note_) {
        canvas.SetFontSize(accidentalPoints_);
        canvas.SetFontColor(cursorColor);
        canvas.TextOut(accidental_.x, accidental_.y, note_->Rinji());
        if (note_->Futen() == 1) {
            const int r = DotRadius(figure_);
            canvas.SetPen(cursorColor, 1);
            canvas.SetBrush(cursorColor, BrushStyle::Solid);
            canvas.Ellipse(dot_.x - r, dot_.y - r, dot_.x + r, dot_.y + r);
        }
    }
    painter.end();
    box->update();
}

TfrmSetNote::Grab TfrmSetNote::HitPart(int x, int y) const {
    if (x >= accidental_.x && x <= accidental_.x + accidentalWidth_ && y >= accidental_.y &&
        y <= accidental_.y + accidentalHeight_) {
        return Grab::Accidental;
    }
    const int r = DotRadius(figure_);
    if (std::abs(x - dot_.x) <= r && std::abs(y - dot_.y) <= r) return Grab::Dot;
    return Grab::None;
}

// A part dragged beyond the paint box stays at its edge, where it can still
// be grabbed again.
FigurePoint TfrmSetNote::Inside(FigurePoint p) const {
    const QSize size = ui_->pbNote->minimumSize();
    return {std::clamp(p.x, 0, size.width() - 1), std::clamp(p.y, 0, size.height() - 1)};
}

bool TfrmSetNote::eventFilter(QObject* watched, QEvent* event) {
    if (watched != ui_->pbNote) return QDialog::eventFilter(watched, event);
    switch (event->type()) {
        case QEvent::Paint: {
            QPainter painter(ui_->pbNote);
            painter.drawImage(0, 0, picture_);
            return true;
        }
        case QEvent::MouseButtonPress: {
            const QPoint at = static_cast<QMouseEvent*>(event)->position().toPoint();
            grab_ = HitPart(at.x(), at.y());
            grabStart_ = {at.x(), at.y()};
            grabOrigin_ = grab_ == Grab::Accidental ? accidental_ : dot_;
            if (grab_ != Grab::None) ui_->pbNote->setCursor(Qt::ClosedHandCursor);
            return true;
        }
        case QEvent::MouseMove:
        case QEvent::MouseButtonRelease: {
            if (grab_ == Grab::None) return true;
            const QPoint at = static_cast<QMouseEvent*>(event)->position().toPoint();
            const FigurePoint moved = Inside(
                {grabOrigin_.x + at.x() - grabStart_.x, grabOrigin_.y + at.y() - grabStart_.y});
            (grab_ == Grab::Accidental ? accidental_ : dot_) = moved;
            if (event->type() == QEvent::MouseButtonRelease) {
                grab_ = Grab::None;
                ui_->pbNote->setCursor(Qt::OpenHandCursor);
            }
            Repaint();
            return true;
        }
        default:
            return QDialog::eventFilter(watched, event);
    }
}

void TfrmSetNote::Confirm() {
    accept();
}

void TfrmSetNote::Apply() {
    if (TNote* note = note_) {
        const NoteOffsets& shown = shownOffsets_;
        const FigurePoint rinji =
            OffsetsOfPart(figure_, accidental_, shownAccidental_, {shown.xRinji, shown.yRinji});
        const FigurePoint futen =
            OffsetsOfPart(figure_, dot_, shownDot_, {shown.xFuten, shown.yFuten});
        const NoteOffsets offsets{rinji.x, rinji.y, futen.x, futen.y};
        ApplyNoteOffsets(*note, offsets);
        if (ui_->chkDefault->isChecked()) {
            Preferences& p = ws_.prefs;
            p.DefoOffsetRateX_Rinji = offsets.xRinji;
            p.DefoOffsetRateY_Rinji = offsets.yRinji;
            p.DefoOffsetRateX_Futen = offsets.xFuten;
            p.DefoOffsetRateY_Futen = offsets.yFuten;
        }
        if (ui_->chkAllNotes->isChecked()) ApplyNoteOffsetsToBook(page_->Book(), offsets);
    }
}

}  // namespace sorvel
