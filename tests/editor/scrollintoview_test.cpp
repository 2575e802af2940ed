// SPDX-License-Identifier: GPL-3.0-or-later
// Scrolling a row into sight: the key cursor's row comes in at the nearest
// edge, the play cursor's row one row below the top; bounded as the scroll
// bar bounds its values.
#include <QLabel>
#include <QScrollArea>
#include <QScrollBar>
#include <QtTest>

#include "editor/pageview/scrollintoview.h"

using namespace sorvel;

class ScrollIntoViewTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void keyCursorRowComesInAtTheNearestEdge() {
        const VerticalScroll scroll{200, 0, 10000, 300};
        QCOMPARE(ScrollToShow(100, 40, scroll, RowReveal::kNearestEdge), 60);
        QCOMPARE(ScrollToShow(600, 40, scroll, RowReveal::kNearestEdge), 340);
        QCOMPARE(ScrollToShow(300, 40, scroll, RowReveal::kNearestEdge), 200);
        // On the top edge counts as out of sight; on the bottom edge as well.
        QCOMPARE(ScrollToShow(200, 40, scroll, RowReveal::kNearestEdge), 160);
        QCOMPARE(ScrollToShow(500, 40, scroll, RowReveal::kNearestEdge), 240);
    }

    void playCursorRowComesInNearTheTop() {
        const VerticalScroll scroll{200, 0, 10000, 300};
        QCOMPARE(ScrollToShow(100, 40, scroll, RowReveal::kNearTop), 60);
        QCOMPARE(ScrollToShow(600, 40, scroll, RowReveal::kNearTop), 560);
        QCOMPARE(ScrollToShow(499, 40, scroll, RowReveal::kNearTop), 200);
    }

    void positionsStayInsideTheBarsRange() {
        const VerticalScroll scroll{100, 0, 400, 300};
        QCOMPARE(ScrollToShow(20, 40, scroll, RowReveal::kNearestEdge), 0);
        QCOMPARE(ScrollToShow(900, 40, scroll, RowReveal::kNearTop), 400);
    }

    void aViewLowerThanARowIsCheckedAgainAfterTheFirstStep() {
        // Brought down one row above the row, the row is still below the
        // 30-pixel view: the second rule places it.
        const VerticalScroll scroll{500, 0, 10000, 30};
        QCOMPARE(ScrollToShow(400, 40, scroll, RowReveal::kNearestEdge), 410);
        QCOMPARE(ScrollToShow(400, 40, scroll, RowReveal::kNearTop), 360);
    }

    void scrollsARealArea() {
        QScrollArea area;
        area.resize(200, 200);
        auto* content = new QLabel;
        content->setFixedSize(180, 2000);
        area.setWidget(content);
        area.show();
        QVERIFY(QTest::qWaitForWindowExposed(&area));
        QScrollBar* bar = area.verticalScrollBar();
        const int height = area.viewport()->height();
        ScrollRowIntoView(area, 1000, 40, RowReveal::kNearestEdge);
        QCOMPARE(bar->value(), 1000 + 40 - height);
        ScrollRowIntoView(area, 1000, 40, RowReveal::kNearestEdge);  // in sight: stays
        QCOMPARE(bar->value(), 1000 + 40 - height);
        ScrollRowIntoView(area, 100, 40, RowReveal::kNearTop);
        QCOMPARE(bar->value(), 60);
    }
};

QTEST_MAIN(ScrollIntoViewTest)
#include "scrollintoview_test.moc"
