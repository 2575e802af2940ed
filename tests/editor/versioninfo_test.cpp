// SPDX-License-Identifier: GPL-3.0-or-later
// The about box: its texts, the program icon from the embedded pictures, the
// licence it states and shows in full, and OK closing it.
#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include "editor/dialogs/frmversioninfo.h"

using namespace sorvel;

class VersionInfoTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void showsNameVersionAndIcon() {
        TfrmVersionInfo dialog(nullptr);
        QCOMPARE(dialog.objectName(), QString("TfrmVersionInfo"));
        QCOMPARE(dialog.windowTitle(),
                 QString("二胡専用数字譜エディター『ソルベル』のバージョン情報"));
        QVERIFY(dialog.isModal());
        QStringList lines;
        for (const QLabel* label : dialog.findChildren<QLabel*>()) {
            if (!label->text().isEmpty()) lines << label->text();
        }
        QCOMPARE(lines.size(), 3);
        QCOMPARE(lines.mid(0, 2),
                 QStringList({"二胡専用数字譜エディター『ソルベル』", "Version 2.40"}));
        const QLabel* icon = dialog.findChild<QLabel*>("imgIcon");
        QVERIFY(icon);
        QVERIFY2(!icon->pixmap().isNull(), "the program icon is not embedded");
    }

    // Free software says so where the user looks: the copyright, the
    // licence and its version, and the full text a button away.
    void statesTheLicenceAndShowsItsText() {
        TfrmVersionInfo dialog(nullptr);
        const QLabel* notice = dialog.findChild<QLabel*>("lblLicense");
        QVERIFY(notice);
        QVERIFY(notice->text().startsWith(QStringLiteral("Copyright © 20")));
        QVERIFY(notice->text().contains(QStringLiteral(" Sorvel developers\n")));
        QVERIFY(
            notice->text().contains(QStringLiteral("GNU 一般公衆利用許諾書（GPL）バージョン 3")));
        QVERIFY(notice->text().contains(QStringLiteral("それ以降")));
        auto* licence = dialog.findChild<QPushButton*>("btnLicense");
        QVERIFY(licence);
        QCOMPARE(licence->text(), QString("ライセンス(&L)..."));

        QString shown;
        QTimer::singleShot(0, &dialog, [&shown] {
            for (QWidget* w : QApplication::topLevelWidgets()) {
                if (w->objectName() != QLatin1String("frmLicense") || !w->isVisible()) continue;
                if (auto* text = w->findChild<QPlainTextEdit*>("memLicense"))
                    shown = text->toPlainText();
                static_cast<QDialog*>(w)->reject();
            }
        });
        QTest::mouseClick(licence, Qt::LeftButton);
        QVERIFY(shown.contains(QStringLiteral("GNU GENERAL PUBLIC LICENSE")));
        QVERIFY(shown.contains(QStringLiteral("Version 3, 29 June 2007")));
        QVERIFY(shown.contains(QStringLiteral("END OF TERMS AND CONDITIONS")));
    }

    void okClosesIt() {
        TfrmVersionInfo dialog(nullptr);
        auto* ok = dialog.findChild<QPushButton*>("btnOK");
        QVERIFY(ok);
        QCOMPARE(ok->text(), QString("OK"));
        QTimer::singleShot(0, ok, [ok] { QTest::mouseClick(ok, Qt::LeftButton); });
        QTimer::singleShot(5000, &dialog, [&dialog] { dialog.done(-1); });
        QCOMPARE(dialog.exec(), int(QDialog::Accepted));
    }
};

QTEST_MAIN(VersionInfoTest)
#include "versioninfo_test.moc"
