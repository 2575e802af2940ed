// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/practice/checklistdock.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QScrollBar>
#include <QTreeWidget>
#include <algorithm>
#include <cmath>

#include "base/arith.h"
#include "editor/practice/checkmarks.h"
#include "editor/practice/tunerreadout.h"

namespace sorvel {
namespace {

constexpr int kIndexRole = Qt::UserRole;

QString SignedNumber(int n) {
    if (n == 0) return QStringLiteral("±0");
    return (n > 0 ? QStringLiteral("+") : QString::fromUtf8("−")) + QString::number(std::abs(n));
}

// The widest text of a column, its header's included, with room around it.
int ColumnWidth(const QTreeWidget& list, int column) {
    const QFontMetrics metrics(list.font());
    int widest = list.header()->sectionSizeHint(column);
    for (int row = 0; row < list.topLevelItemCount(); ++row)
        widest =
            std::max(widest, metrics.horizontalAdvance(list.topLevelItem(row)->text(column)) + 16);
    return widest;
}

}  // namespace

QString SignedCents(double cents) {
    return SignedNumber(RoundHalfEven(cents));
}

CheckListDock::CheckListDock(QWidget* parent)
    : QDockWidget(tr("照らし合わせた結果"), parent), list_(new QTreeWidget(this)) {
    setObjectName("CheckListDock");
    list_->setObjectName("lstCheck");
    list_->setRootIsDecorated(false);
    list_->setUniformRowHeights(true);
    list_->setAllColumnsShowFocus(true);
    list_->setHeaderLabels(
        {tr("ページ"), tr("小節"), tr("音"), tr("セント"), tr("タイミング (ms)")});
    list_->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    list_->installEventFilter(this);
    setWidget(list_);
    connect(list_, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem* item) {
        Q_EMIT noteChosen(item->data(0, kIndexRole).toInt());
    });
    connect(list_, &QTreeWidget::itemActivated, this, [this](QTreeWidgetItem* item) {
        Q_EMIT noteChosen(item->data(0, kIndexRole).toInt());
    });
}

void CheckListDock::ShowCheck(const CheckOverlay& overlay) {
    list_->clear();
    const practice::TakeCheck& check = overlay.Check();
    for (const int index : overlay.ListOrder()) {
        const practice::CheckedNote& n = check.notes[static_cast<std::size_t>(index)];
        const bool played = n.status == practice::NoteStatus::kOk;
        auto* row = new QTreeWidgetItem(list_);
        row->setData(0, kIndexRole, index);
        row->setText(0, QString::number(n.written.page));
        row->setText(1, QString::number(n.written.bar));
        row->setText(2, QString::fromStdString(PitchName(n.written.midi, false)));
        row->setText(3, played ? SignedCents(n.cents) : tr("抜け"));
        row->setText(4, played ? SignedNumber(RoundHalfEven(n.timingMs)) : QString());
        for (int c = 0; c < 5; ++c) row->setTextAlignment(c, Qt::AlignRight | Qt::AlignVCenter);
        row->setForeground(3, BandColour(BandOf(n)));
    }
    // Wide enough for every column: the dock never hides the cents.
    int width = 2 * list_->frameWidth() + list_->verticalScrollBar()->sizeHint().width();
    for (int c = 0; c < list_->columnCount(); ++c) width += ColumnWidth(*list_, c);
    list_->setMinimumWidth(width);
}

int CheckListDock::NoteOfRow(int row) const {
    const QTreeWidgetItem* item = list_->topLevelItem(row);
    return item ? item->data(0, kIndexRole).toInt() : -1;
}

bool CheckListDock::eventFilter(QObject* watched, QEvent* event) {
    const bool escape =
        (event->type() == QEvent::KeyPress || event->type() == QEvent::ShortcutOverride) &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape;
    if (watched != list_ || !escape) return QDockWidget::eventFilter(watched, event);
    // Escape here is the list's own, before any shortcut of the window.
    event->accept();
    if (event->type() == QEvent::KeyPress) Q_EMIT clearRequested();
    return true;
}

}  // namespace sorvel
