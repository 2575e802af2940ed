// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/dialogs/frmtableofcontent.h"

#include <QEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QPainter>
#include <QPixmap>
#include <QScrollBar>
#include <QStyle>
#include <algorithm>

#include "base/cp932.h"
#include "model/preferences.h"
#include "model/preferencesfile.h"
#include "ui_frmtableofcontent.h"
#include "view/qt/musicfont.h"
#include "view/qt/qtcanvas.h"

namespace sorvel {
namespace {

constexpr int kBackgroundColor = 0xEAEAEA;  // 0x00BBGGRR
constexpr int kShadowColor = 0xC9C9C9;
constexpr int kHeadingPointSize = 24;
constexpr int kKeyColumnWidth = 35, kWriterColumnWidth = 150, kPageColumnWidth = 50;
constexpr int kMinTitleColumnWidth = 60;
constexpr int kRowPadding = 8;  // pixels above and below a row's text, together

QString ToDisplay(const std::string& cp932Bytes) {
    return QString::fromStdString(cp932::ToUtf8(cp932Bytes));
}

QTableWidgetItem* Cell(const QString& text, Qt::Alignment alignment = Qt::AlignLeft) {
    auto* item = new QTableWidgetItem(text);
    item->setTextAlignment(alignment | Qt::AlignVCenter);
    item->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
    return item;
}

}  // namespace

TfrmTableOfContent::TfrmTableOfContent(Preferences& prefs, std::string settingsPath,
                                       QWidget* parent)
    : QDialog(parent),
      ui_(std::make_unique<Ui::TfrmTableOfContent>()),
      prefs_(prefs),
      settingsPath_(std::move(settingsPath)) {
    ui_->setupUi(this);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QtCanvas::ToQColor(kBackgroundColor));
    setPalette(pal);

    QTableWidget* grid = ui_->grdTableOfContent;
    grid->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    grid->horizontalHeader()->setStretchLastSection(false);
    grid->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    grid->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    grid->verticalHeader()->setDefaultSectionSize(grid->fontMetrics().height() + kRowPadding);
    grid->installEventFilter(this);
    connect(grid, &QTableWidget::cellDoubleClicked, this, [this](int row, int) { ChooseRow(row); });
    connect(ui_->btnClose, &QPushButton::clicked, this, &QDialog::reject);

    if (!settingsPath_.empty()) {
        ReadPreferenceKeys(settingsPath_, prefs_,
                           {"FormTableOfContentsWidth", "FormTableOfContentsHeight"});
    }
    const QSize design = size();
    resize(
        prefs_.FormTableOfContentsWidth > 0 ? prefs_.FormTableOfContentsWidth : design.width(),
        prefs_.FormTableOfContentsHeight > 0 ? prefs_.FormTableOfContentsHeight : design.height());
}

TfrmTableOfContent::~TfrmTableOfContent() = default;

void TfrmTableOfContent::done(int result) {
    prefs_.FormTableOfContentsWidth = width();
    prefs_.FormTableOfContentsHeight = height();
    // A settings file that cannot be written keeps its old size; the main
    // window writes the same values at exit and reports it then.
    if (!settingsPath_.empty()) {
        WritePreferenceKeys(settingsPath_, prefs_,
                            {"FormTableOfContentsWidth", "FormTableOfContentsHeight"}, nullptr);
    }
    QDialog::done(result);
}

int TfrmTableOfContent::Execute(const TMusicBook& book, int currentPage,
                                const std::string& fileName) {
    heading_ = QString::fromStdString(TableOfContentHeading(book, fileName));
    ui_->imgTitle->setAccessibleName(heading_);
    const std::vector<TableOfContentRow> rows = BuildTableOfContentRows(book);
    FillGrid(rows, SelectedTableOfContentRow(rows, currentPage));
    PaintTitle();
    FitColumns();
    result_ = currentPage;
    // Centred on the parent at every showing, also after the user moved it.
    setAttribute(Qt::WA_Moved, false);
    exec();
    return result_;
}

void TfrmTableOfContent::FillGrid(const std::vector<TableOfContentRow>& rows, int selectedRow) {
    QTableWidget* grid = ui_->grdTableOfContent;
    grid->clearContents();
    grid->setRowCount(static_cast<int>(rows.size()));
    for (int r = 0; r < static_cast<int>(rows.size()); ++r) {
        const TableOfContentRow& row = rows[static_cast<std::size_t>(r)];
        grid->setItem(r, 0, Cell(ToDisplay(row.title)));
        grid->setItem(r, 1, Cell(ToDisplay(row.key)));
        grid->setItem(r, 2, Cell(ToDisplay(row.writer)));
        grid->setItem(r, 3, Cell(QString::fromStdString(row.page), Qt::AlignRight));
    }
    if (selectedRow >= 0) {
        grid->setCurrentCell(selectedRow, 0);
        grid->selectRow(selectedRow);
        grid->scrollToItem(grid->item(selectedRow, 0), QAbstractItemView::PositionAtCenter);
    }
    grid->setFocus();
}

// Columns 1 to 3 keep fixed widths; column 0 takes the rest of the grid's
// width, leaving room for the vertical scroll bar when the rows overflow.
void TfrmTableOfContent::FitColumns() {
    QTableWidget* grid = ui_->grdTableOfContent;
    grid->setColumnWidth(1, kKeyColumnWidth);
    grid->setColumnWidth(2, kWriterColumnWidth);
    grid->setColumnWidth(3, kPageColumnWidth);
    const int frame = 2 * grid->frameWidth();
    const int rowsHeight = grid->horizontalHeader()->height() + grid->verticalHeader()->length();
    const bool overflow = rowsHeight + frame > grid->height();
    const int scrollBar = grid->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, grid);
    const int fixed = kKeyColumnWidth + kWriterColumnWidth + kPageColumnWidth;
    // The classic allowance (24 with a scroll bar, 7 without), widened where
    // this style's scroll bar and frame need more, so no horizontal bar appears.
    const int allowance = std::max(overflow ? 24 : 7, frame + (overflow ? scrollBar : 0));
    grid->setColumnWidth(0, std::max(kMinTitleColumnWidth, grid->width() - fixed - allowance));
}

void TfrmTableOfContent::PaintTitle() {
    QLabel* strip = ui_->imgTitle;
    const qreal ratio = devicePixelRatioF();
    const QSize size(std::max(1, strip->width()), strip->height());
    QPixmap pixmap(size * ratio);
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(QtCanvas::ToQColor(kBackgroundColor));

    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    const QPixmap picture(QStringLiteral(":/icons/toc-title.png"));
    if (!picture.isNull()) painter.drawPixmap(0, 0, picture);

    QFont font = ScoreTextFont(QStringLiteral("ＭＳ Ｐゴシック"));
    font.setPointSize(kHeadingPointSize);
    painter.setFont(font);
    const int ascent = painter.fontMetrics().ascent();
    // Positions are the text's top-left corner: the shadow first, then the text.
    painter.setPen(QtCanvas::ToQColor(kShadowColor));
    painter.drawText(13, 33 + ascent, heading_);
    painter.setPen(Qt::black);
    painter.drawText(10, 30 + ascent, heading_);
    painter.end();
    strip->setPixmap(pixmap);
}

void TfrmTableOfContent::ChooseRow(int row) {
    const QTableWidgetItem* cell = ui_->grdTableOfContent->item(row, 3);
    result_ = PageFromTableOfContentCell(cell ? cell->text().toStdString() : std::string());
    accept();
}

bool TfrmTableOfContent::eventFilter(QObject* watched, QEvent* event) {
    if (watched == ui_->grdTableOfContent) {
        if (event->type() == QEvent::Resize) {
            FitColumns();
            PaintTitle();
        } else if (event->type() == QEvent::KeyPress) {
            const auto* key = static_cast<QKeyEvent*>(event);
            const int row = ui_->grdTableOfContent->currentRow();
            if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) && row >= 0) {
                ChooseRow(row);
                return true;
            }
        }
    }
    return QDialog::eventFilter(watched, event);
}

}  // namespace sorvel
