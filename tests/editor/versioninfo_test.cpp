// The about box: its texts, the program icon from the embedded pictures, and
// OK closing it.
#include <QLabel>
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
        QCOMPARE(lines, QStringList({"二胡専用数字譜エディター『ソルベル』", "Version 2.40"}));
        const QLabel* icon = dialog.findChild<QLabel*>("imgIcon");
        QVERIFY(icon);
        QVERIFY2(!icon->pixmap().isNull(), "the program icon is not embedded");
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
