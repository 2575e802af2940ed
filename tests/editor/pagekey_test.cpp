// SPDX-License-Identifier: GPL-3.0-or-later
// The key list of the page dialog ("調"): the erhu's six keys, then the other
// major keys in the same text form; a page's key is kept byte for byte by an
// OK that does not touch the list, whether the list holds it or not.
#include <QComboBox>
#include <QtTest>

#include "base/cp932.h"
#include "editor/dialogs/frmsetinfo.h"
#include "editor/dialogs/settingsvalues.h"
#include "model/majorkey.h"
#include "model/musicbook.h"
#include "model/musicsheet.h"
#include "model/workspace.h"

using namespace sorvel;

namespace {

std::string Sjis(const char* utf8) {
    return cp932::FromUtf8(utf8);
}

QString Shown(const std::string& cp932Bytes) {
    return QString::fromStdString(cp932::ToUtf8(cp932Bytes));
}

}  // namespace

class PageKeyTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<Workspace> ws_;
    std::unique_ptr<TfrmSetInfo> dialog_;

    TMusicSheet& Page() { return *ws_->book->GetSheet(0); }
    QComboBox* Keys() { return dialog_->findChild<QComboBox*>("cmbKeyCode"); }
    QStringList KeyTexts() {
        QStringList texts;
        for (int i = 0; i < Keys()->count(); ++i) texts << Keys()->itemText(i);
        return texts;
    }
    // Shows the page dialog on the first page and presses OK, as one undo
    // group; `inside` runs while the dialog is filled. Returns the commands
    // the OK recorded.
    std::size_t OkOnPage(const std::function<void()>& inside = [] {}) {
        ws_->undo.BeginGroup();
        dialog_->Prepare(SetInfoMode::Page, &Page());
        inside();
        const bool ok = dialog_->Confirm();
        if (!ok) qWarning("the dialog refused OK");
        dialog_->Apply();
        const std::size_t recorded = ws_->undo.OpenGroupCommands()->size();
        ws_->undo.EndGroup();
        return recorded;
    }

private Q_SLOTS:
    void init() {
        ws_ = std::make_unique<Workspace>();
        ws_->NewBook();
        dialog_ = std::make_unique<TfrmSetInfo>(*ws_, SetInfoServices{}, nullptr);
        // A new book's left margin is not yet the one the dialog derives from
        // the fields: one OK settles it, so later OKs change only what a test
        // touches.
        OkOnPage();
    }
    void cleanup() {
        dialog_.reset();
        ws_.reset();
    }

    void ListOffersTheErhuKeysThenEveryOtherMajorKey() {
        dialog_->Prepare(SetInfoMode::Page, &Page());
        const QStringList texts = KeyTexts();
        QCOMPARE(texts.size(), 15);
        QCOMPARE(texts.mid(0, 6),
                 (QStringList{"１＝Ｄ　（１５弦）", "１＝Ｇ　（５２弦）", "１＝Ｆ　（６３弦）",
                              "１＝Ｃ　（２６弦）", "１＝♭Ｂ（３７弦）", "１＝Ａ　（４１弦）"}));
        // Every major key once, in the key texts playback reads.
        QStringList everyKey;
        for (int fifths = -7; fifths <= 7; ++fifths) everyKey << Shown(KeyCodeOfFifths(fifths));
        QStringList sorted = texts;
        sorted.sort();
        everyKey.sort();
        QCOMPARE(sorted, everyKey);
        QVERIFY(texts.contains("１＝♭Ａ（弦）"));
        QVERIFY(texts.contains("１＝♯Ｆ（弦）"));
    }

    void OkKeepsEveryListedKeyByteForByte() {
        for (int fifths = -7; fifths <= 7; ++fifths) {
            const std::string key = KeyCodeOfFifths(fifths);
            Page().SetKeyCode(key);
            const std::size_t recorded = OkOnPage([&] {
                QCOMPARE(Keys()->currentText(), Shown(key));
                QCOMPARE(Keys()->count(), 15);
            });
            QCOMPARE(Page().KeyCode(), key);
            QCOMPARE(recorded, std::size_t(0));
        }
    }

    void AKeyOutsideTheListIsShownAndKeptUntilAnotherIsPicked() {
        // Older files and other programs may hold texts the list never had,
        // in any bytes; the third character does not choose an entry.
        for (const std::string& key : {std::string("1=E"), Sjis("１＝Ａ"), Sjis("１＝♭Ｘ（弦）"),
                                       std::string("\x83\x65\x83\x58\x83\x67")}) {
            Page().SetKeyCode(key);
            const std::size_t recorded = OkOnPage([&] {
                QCOMPARE(Keys()->count(), 16);
                QCOMPARE(Keys()->currentIndex(), 15);
                QCOMPARE(Keys()->currentText(), Shown(key));
            });
            QCOMPARE(Page().KeyCode(), key);
            QCOMPARE(recorded, std::size_t(0));
        }

        // Picking an entry of the list stores it; the page's own text is no
        // longer offered once the page holds a listed key.
        Page().SetKeyCode("1=E");
        OkOnPage([&] { Keys()->setCurrentIndex(4); });
        QCOMPARE(Page().KeyCode(), Sjis("１＝♭Ｂ（３７弦）"));
        OkOnPage([&] {
            QCOMPARE(Keys()->count(), 15);
            QCOMPARE(Keys()->currentIndex(), 4);
        });
    }

    void AnEmptyKeySelectsNothingAndStaysEmpty() {
        QCOMPARE(Page().KeyCode(), std::string());
        const std::size_t recorded = OkOnPage([&] {
            QCOMPARE(Keys()->currentIndex(), -1);
            QCOMPARE(Keys()->count(), 15);
        });
        QCOMPARE(Page().KeyCode(), std::string());
        QCOMPARE(recorded, std::size_t(0));
    }

    void ListEntriesAreTheKeyTextsOfTheModel() {
        const std::vector<std::string>& entries = KeyCodeEntries();
        QCOMPARE(entries.size(), std::size_t(15));
        for (std::size_t i = 0; i < entries.size(); ++i) {
            QVERIFY(FifthsOfKeyCode(entries[i]).has_value());
            QCOMPARE(KeyCodeOfFifths(*FifthsOfKeyCode(entries[i])), entries[i]);
            QCOMPARE(KeyCodeIndex(entries[i]), static_cast<int>(i));
        }
        QCOMPARE(KeyCodeIndex(KeyCodeOfFifths(-4)), 7);
        QCOMPARE(KeyCodeIndex(Sjis("１＝Ａ")), -1);
        QCOMPARE(KeyCodeIndex(""), -1);
    }
};

QTEST_MAIN(PageKeyTest)
#include "pagekey_test.moc"
