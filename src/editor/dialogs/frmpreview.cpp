// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/dialogs/frmpreview.h"

#include <QPainter>
#include <QScreen>
#include <QScrollBar>
#include <QShowEvent>
#include <QWheelEvent>
#include <algorithm>

#include "model/musicbook.h"
#include "model/musicsheet.h"
#include "print/layoutkeeper.h"
#include "print/printgeometry.h"
#include "ui_frmpreview.h"
#include "view/qt/musicfont.h"

namespace sorvel {

namespace {

constexpr int kWheelNotch = 120;
constexpr int kSheetMargin = 12;  // grey above and below the page
constexpr int kShadowDepth = 4;
// A page image larger than this (a damaged file's vast page) is not drawn.
constexpr qint64 kMaxImagePixels = 60'000'000;
const QColor kScrollBoxGrey(128, 128, 128);

}  // namespace

// The grey sheet the picture lies on: as wide as the scroll box (or the
// picture, when that is wider), with a soft shadow under the picture.
class PreviewSheet : public QWidget {
public:
    explicit PreviewSheet(QWidget* parent) : QWidget(parent) {}
    QWidget* picture = nullptr;

protected:
    void paintEvent(QPaintEvent*) override {
        if (!picture) return;
        QPainter painter(this);
        const QRect page = picture->geometry();
        for (int i = kShadowDepth; i >= 1; --i) {
            painter.fillRect(page.translated(i, i), QColor(0, 0, 0, 16 * (kShadowDepth + 1 - i)));
        }
        painter.fillRect(page.adjusted(-1, -1, 1, 1), QColor(0, 0, 0, 70));
    }
};

// The page picture: the rendered image at its logical size.
class PreviewPicture : public QWidget {
public:
    PreviewPicture(const QImage& image, QWidget* parent) : QWidget(parent), image_(image) {
        setAttribute(Qt::WA_OpaquePaintEvent);
    }

protected:
    void paintEvent(QPaintEvent* event) override {
        QPainter painter(this);
        if (image_.isNull()) {
            painter.fillRect(event->rect(), Qt::white);
            return;
        }
        painter.drawImage(QPointF(0, 0), image_);
    }

private:
    const QImage& image_;
};

const std::vector<PreviewZoom>& PreviewZoomTable() {
    static const std::vector<PreviewZoom> table = {
        {" 30%", 30}, {" 40%", 40},  {" 50%", 50},  {" 60%", 60},  {" 70%", 70},  {" 80%", 80},
        {" 90%", 90}, {"100%", 100}, {"120%", 120}, {"150%", 150}, {"200%", 200},
    };
    return table;
}

TfrmPreview::TfrmPreview(ModelEnv& env, QWidget* parent)
    : QDialog(parent), ui_(std::make_unique<Ui::TfrmPreview>()), env_(env), renderer_(env) {
    ui_->setupUi(this);
    setWindowFlag(Qt::WindowMaximizeButtonHint, true);

    QFont panelFont(ResolveFontFamily(QString::fromUtf8("ＭＳ Ｐゴシック")));
    panelFont.setBold(true);
    ui_->pnlPage->setFont(panelFont);

    for (const PreviewZoom& zoom : PreviewZoomTable()) ui_->cbZoom->addItem(zoom.text);
    ui_->cbZoom->setCurrentIndex(kPreviewStartZoomIndex);

    QScrollArea* box = ui_->sbPreview;
    box->verticalScrollBar()->setSingleStep(kPreviewScrollStep);
    box->horizontalScrollBar()->setSingleStep(kPreviewScrollStep);
    QPalette grey = box->viewport()->palette();
    grey.setColor(QPalette::Window, kScrollBoxGrey);
    box->viewport()->setPalette(grey);
    box->viewport()->setBackgroundRole(QPalette::Window);
    box->viewport()->setAutoFillBackground(true);
    sheet_ = new PreviewSheet(box);
    sheet_->setObjectName("pnlSheet");
    picture_ = new PreviewPicture(image_, sheet_);
    picture_->setObjectName("imgPreview");
    sheet_->picture = picture_;
    box->setWidget(sheet_);
    sheet_->setPalette(grey);
    sheet_->setAutoFillBackground(true);
    box->viewport()->installEventFilter(this);
    box->verticalScrollBar()->installEventFilter(this);

    connect(ui_->btnFirstPage, &QToolButton::clicked, this, &TfrmPreview::FirstPage);
    connect(ui_->btnPriorPage, &QToolButton::clicked, this, &TfrmPreview::PriorPage);
    connect(ui_->btnNextPage, &QToolButton::clicked, this, &TfrmPreview::NextPage);
    connect(ui_->btnLastPage, &QToolButton::clicked, this, &TfrmPreview::LastPage);
    connect(ui_->btnClose, &QToolButton::clicked, this, &QDialog::accept);
    connect(ui_->btnPrint, &QToolButton::clicked, this, [this] {
        if (print_) print_();
    });
    connect(ui_->cbZoom, &QComboBox::currentIndexChanged, this, [this] {
        if (!book_) return;
        QScrollBar* bar = ui_->sbPreview->verticalScrollBar();
        const double along = bar->maximum() > 0 ? double(bar->value()) / bar->maximum() : 0.0;
        Render();
        Centre();
        bar->setValue(qRound(along * bar->maximum()));
        ui_->sbPreview->setFocus();
    });
    UpdateButtons();
}

TfrmPreview::~TfrmPreview() = default;

void TfrmPreview::SetBook(TMusicBook* book, int pageNo) {
    book_ = book;
    pageNo_ = pageNo;
    if (isVisible()) ShowPage(pageNo_);
}

void TfrmPreview::SetPrintCommand(std::function<void()> print, bool enabled) {
    print_ = std::move(print);
    ui_->btnPrint->setEnabled(enabled && print_);
}

int TfrmPreview::ZoomPercent() const {
    const int index = ui_->cbZoom->currentIndex();
    const auto& table = PreviewZoomTable();
    if (index < 0 || index >= static_cast<int>(table.size())) return 100;
    return table[static_cast<size_t>(index)].percent;
}

QWidget* TfrmPreview::Picture() const {
    return picture_;
}

void TfrmPreview::LastPage() {
    if (book_) ShowPage(book_->SheetCount());
}

void TfrmPreview::ShowPage(int pageNo) {
    if (!book_ || book_->SheetCount() == 0) return;
    pageNo_ = std::clamp(pageNo, 1, book_->SheetCount());
    Render();
    Centre();
    ui_->sbPreview->verticalScrollBar()->setValue(0);
    ui_->pnlPage->setText(QString::number(pageNo_));
    UpdateButtons();
}

void TfrmPreview::Render() {
    TMusicSheet* page = book_ ? book_->GetSheet(pageNo_ - 1) : nullptr;
    if (!page) return;
    const int percent = ZoomPercent();
    const QSize size = ZoomedSize(StoredPageSize(*page), percent);
    const qreal ratio = devicePixelRatioF();
    const QSize pixels(qRound(size.width() * ratio), qRound(size.height() * ratio));
    if (qint64{pixels.width()} * pixels.height() <= kMaxImagePixels && !pixels.isEmpty()) {
        if (image_.size() != pixels) image_ = QImage(pixels, QImage::Format_RGB32);
        image_.setDevicePixelRatio(ratio);
        image_.fill(Qt::white);
        QPainter painter(&image_);
        painter.scale(percent / 100.0, percent / 100.0);
        LayoutKeeper keeper(env_);
        renderer_.Paint(painter, *page, true);
    } else {
        image_ = QImage();
    }
    picture_->setFixedSize(size);
    picture_->update();
}

void TfrmPreview::Centre() {
    if (!picture_) return;
    QScrollArea* box = ui_->sbPreview;
    const QSize picture = picture_->size();
    const int client = box->viewport()->width();
    sheet_->resize(std::max(client, picture.width()), picture.height() + 2 * kSheetMargin);
    picture_->move(std::max(0, (client - picture.width()) / 2), kSheetMargin);
    sheet_->update();
}

void TfrmPreview::UpdateButtons() {
    const int pages = book_ ? book_->SheetCount() : 0;
    ui_->btnFirstPage->setEnabled(pageNo_ > 1);
    ui_->btnPriorPage->setEnabled(pageNo_ > 1);
    ui_->btnNextPage->setEnabled(pageNo_ < pages);
    ui_->btnLastPage->setEnabled(pageNo_ < pages);
}

void TfrmPreview::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (event->spontaneous()) return;
    if (QWidget* owner = parentWidget()) {
        // Centred on the main window, but kept on its screen.
        const QSize frame = frameGeometry().size();
        QPoint place = owner->window()->frameGeometry().center() -
                       QPoint(frame.width() / 2, frame.height() / 2);
        if (const QScreen* screen = owner->screen()) {
            const QRect area = screen->availableGeometry();
            place.setX(std::clamp(place.x(), area.left(),
                                  std::max(area.left(), area.right() + 1 - frame.width())));
            place.setY(std::clamp(place.y(), area.top(),
                                  std::max(area.top(), area.bottom() + 1 - frame.height())));
        }
        move(place);
    }
    if (book_) ShowPage(pageNo_);
}

void TfrmPreview::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    Centre();
}

bool TfrmPreview::ScrollByWheel(QWheelEvent* event) {
    wheelRemainder_ += event->angleDelta().y();
    const int notches = wheelRemainder_ / kWheelNotch;
    wheelRemainder_ -= notches * kWheelNotch;
    QScrollBar* bar = ui_->sbPreview->verticalScrollBar();
    if (notches != 0 && bar->isVisible()) bar->setValue(bar->value() - notches * bar->singleStep());
    event->accept();
    return true;
}

void TfrmPreview::wheelEvent(QWheelEvent* event) {
    ScrollByWheel(event);
}

bool TfrmPreview::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Wheel) return ScrollByWheel(static_cast<QWheelEvent*>(event));
    if (watched == ui_->sbPreview->viewport() && event->type() == QEvent::Resize) Centre();
    return QDialog::eventFilter(watched, event);
}

}  // namespace sorvel
