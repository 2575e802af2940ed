// SPDX-License-Identifier: GPL-3.0-or-later
// The settings dialog on a real main window: its three modes, each field's
// message and focus, tab changes refused while a field is bad, OK as one undo
// step with the derived layout, cancel leaving the book byte-identical, the
// page mode's header and mark moves, the options with their MIDI signal and
// click buttons, the display-position panel and the association buttons.
#include <optional>

#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QStackedWidget>
#include <QTabBar>
#include <QTimer>
#include <QtTest>
#include <functional>

#include "base/arith.h"
#include "base/cp932.h"
#include "editor/dialogs/frmsetinfo.h"
#include "editor/mainwindow/settingscommands.h"
#include "editor/pageview/toolpalette.h"
#include "editor/platform/fileassociation.h"
#include "editor/playing/frmkeyboard.h"
#include "editor/playing/playbackcontroller.h"
#include "mainwindowfixture.h"
#include "model/itemfactory.h"
#include "model/musicbook.h"
#include "model/musicmark.h"
#include "model/musicsheet.h"
#include "model/note.h"
#include "model/scorefile.h"
#include "playback/capturemidiout.h"
#include "playback/forwardingmidiout.h"
#include "view/qt/musicfont.h"
#include "view/qt/qtcanvas.h"

using namespace sorvel;

namespace {

std::string Sjis(const char* utf8) {
    return cp932::FromUtf8(utf8);
}

int DigitHeightAt(int points) {
    QImage scratch(1, 1, QImage::Format_RGB32);
    QPainter painter(&scratch);
    QtCanvas canvas(painter, false);
    canvas.SetFont(kMusicFontName, points);
    return canvas.TextHeight("8");
}

int InkPixels(const QImage& image) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) count += image.pixel(x, y) != qRgb(255, 255, 255);
    }
    return count;
}

}  // namespace

class SetInfoTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<MainWindowFixture> f_;
    std::vector<std::string> devices_;
    QList<QList<int>> sent_;

    TfrmMain& Window() { return *f_->window; }
    Workspace& Ws() { return Window().Workspace(); }
    SettingsCommands& Commands() { return *SettingsCommands::Of(Window()); }
    TfrmSetInfo& Dialog() { return Commands().Dialog(); }
    template <class W>
    W* Field(const char* name) {
        W* w = Dialog().findChild<W*>(name);
        if (!w) qFatal("no widget %s", name);
        return w;
    }
    QSpinBox* Spin(const char* name) { return Field<QSpinBox>(name); }
    QTabBar* Tabs() { return Field<QTabBar>("tabSetInfo"); }
    QStringList TabTexts() {
        QStringList texts;
        for (int i = 0; i < Tabs()->count(); ++i) texts << Tabs()->tabText(i);
        return texts;
    }
    // The field that has the focus: a spin box's inner line edit stands for
    // its spin box.
    QString FocusedField() {
        QWidget* w = Dialog().focusWidget();
        while (w && w->objectName().startsWith("qt_")) w = w->parentWidget();
        return w ? w->objectName() : QString();
    }
    QString LastError() const {
        return f_->dialogs.errors.isEmpty() ? QString() : f_->dialogs.errors.last();
    }
    std::string BookBytes() { return SaveBookToFileBytes(Window().Book()); }

    // Opens the dialog through `open` and runs `inside` once it is up; the
    // dialog is cancelled afterwards unless `inside` closed it. No undo group
    // is open while it is up: its OK is applied once it has closed.
    void WithDialog(const std::function<void()>& open, const std::function<void()>& inside) {
        bool ran = false;
        bool groupOpen = false;
        QTimer::singleShot(0, &Window(), [&] {
            ran = true;
            groupOpen = Ws().undo.GroupOpen();
            inside();
            groupOpen = groupOpen || Ws().undo.GroupOpen();
            if (Dialog().isVisible()) Dialog().reject();
        });
        open();
        QVERIFY2(ran, "the dialog was not shown");
        QVERIFY2(!groupOpen, "an undo group was open while the dialog was up");
    }
    void InBook(const std::function<void()>& inside) {
        WithDialog([this] { Commands().SetBookInfo(); }, inside);
    }
    void InPage(const std::function<void()>& inside) {
        WithDialog([this] { Commands().SetPageInfo(); }, inside);
    }
    void InOptions(const std::function<void()>& inside) {
        WithDialog([this] { Commands().SetOptions(); }, inside);
    }
    void ShowTab(const QString& caption) {
        for (int i = 0; i < Tabs()->count(); ++i) {
            if (Tabs()->tabText(i) == caption) Tabs()->setCurrentIndex(i);
        }
    }

private Q_SLOTS:
    void initTestCase() { QVERIFY(InstallMusicFont()); }

    void init() {
        f_ = std::make_unique<MainWindowFixture>();
        devices_ = {"FluidSynth (General MIDI)", "Port A"};
        sent_.clear();
        Commands().SetMidiServices([this] { return devices_; },
                                   [this](int channel, int status, int d1, int d2) {
                                       sent_.append({channel, status, d1, d2});
                                   });
    }

    void cleanup() { f_.reset(); }

    void ActionsOpenTheThreeModesWithTheirTabs() {
        Window().ActionListUpdate();
        const struct {
            const char* action;
            const char* caption;
            QStringList tabs;
        } modes[] = {
            {"actSetBookInfo",
             "ブック情報設定",
             {"ブックタイトル", "ページプロパティ", "表示位置"}},
            {"actSetSeetInfo", "ページ情報設定", {"曲情報", "ページプロパティ", "表示位置"}},
            {"actSetOptionInfo",
             "オプション",
             {"一般", "ページプロパティ", "表示位置", "色", "MIDI設定"}},
        };
        for (const auto& mode : modes) {
            QAction* action = Window().Action(mode.action);
            QVERIFY(action && action->isEnabled());
            WithDialog([action] { action->trigger(); },
                       [&] {
                           QCOMPARE(Dialog().windowTitle(), QString::fromUtf8(mode.caption));
                           QCOMPARE(TabTexts(), mode.tabs);
                           QCOMPARE(Tabs()->currentIndex(), 0);
                           // Each tab shows its own panel.
                           Tabs()->setCurrentIndex(1);
                           QCOMPARE(
                               Field<QStackedWidget>("stkPanels")->currentWidget()->objectName(),
                               QString("pnlPageProperty"));
                       });
        }
    }

    void BookOkIsOneUndoStepWithTheDerivedLayout() {
        TMusicBook& book = Window().Book();
        const std::string before = BookBytes();
        const int steps = Ws().undo.UndoCount();
        InBook([&] {
            QCOMPARE(Field<QLineEdit>("edtBookTitle")->text(), QString());
            QCOMPARE(Spin("edtDivParBar")->value(), book.DivParBar() - 1);
            Field<QLineEdit>("edtBookTitle")->setText("二胡曲集");
            Field<QComboBox>("cmbNoteFontSize")->setEditText("20");
            Spin("edtBarParRow")->setValue(3);
            Spin("edtDivParBar")->setValue(11);
            Spin("edtLeftSpace")->setValue(30);
            Spin("edtRightSpace")->setValue(25);
            QVERIFY(Dialog().Confirm());
        });
        QCOMPARE(book.Title(), Sjis("二胡曲集"));
        QCOMPARE(book.NoteFontSize(), 20);
        QCOMPARE(book.DivParBar(), 12);
        QCOMPARE(book.GridDivNum(), 36);
        const int width = Ws().layout.PageWidth;
        QCOMPARE(book.GridSize(), (width - 30 - 25) / 36);
        QCOMPARE(book.LeftSpace(), width - 36 * book.GridSize() - 25);
        QCOMPARE(Ws().undo.UndoCount(), steps + 1);
        QVERIFY(Window().IsModified());
        Window().Undo();
        QCOMPARE(BookBytes(), before);
    }

    void CancelLeavesTheBookAsItWasAndTheFlagFollowsTheHistory() {
        const std::string before = BookBytes();
        InBook([&] {
            Field<QLineEdit>("edtBookTitle")->setText("changed");
            Spin("edtTopSpace")->setValue(40);
            Dialog().reject();
        });
        QCOMPARE(BookBytes(), before);
        QVERIFY(!Ws().undo.CanUndo());
        QVERIFY(!Window().IsModified());

        // After a save the flag is clear, and a cancelled dialog leaves it so.
        Ws().undo.BeginGroup();
        Window().Book().SetTitle("x");
        Ws().undo.EndGroup();
        Window().Document().MarkSaved(Window().Document().FilePath());
        const int steps = Ws().undo.UndoCount();
        InPage([&] { Dialog().reject(); });
        QCOMPARE(Ws().undo.UndoCount(), steps);
        QVERIFY(!Window().IsModified());

        // An OK that changes nothing adds no step either.
        InBook([&] { QVERIFY(Dialog().Confirm()); });
        QCOMPARE(Ws().undo.UndoCount(), steps);
        QVERIFY(!Window().IsModified());
    }

    void EachPagePropertyNamesItsFieldAndKeepsItFocused() {
        const int h = Ws().layout.PageHeight / 3, w = Ws().layout.PageWidth / 3;
        const struct {
            const char* field;
            int value;
            QString message;
        } cases[] = {
            {"cmbNoteFontSize", 100, "フォントサイズは、1 から 99 の数値を指定してください。"},
            {"edtTitleHeight", h + 1,
             QString("タイトル部分の高さは、1 から %1 の数値を指定してください。").arg(h)},
            {"edtTopSpace", 0,
             QString("余白（上）の高さは、1 から %1 の数値を指定してください。").arg(h)},
            {"edtBottomSpace", h + 1,
             QString("余白（下）の高さは、1 から %1 の数値を指定してください。").arg(h)},
            {"edtLeftSpace", 0,
             QString("余白（左）の巾は、1 から %1 の数値を指定してください。").arg(w)},
            {"edtRightSpace", w + 1,
             QString("余白（右）の巾は、1 から %1 の数値を指定してください。").arg(w)},
            {"edtBarParRow", 11, "一段あたりの小節数は、1 から 10 の数値を指定してください。"},
            {"edtDivParBar", 0, "小節ごとの分割数は、1 から 33 の数値を指定してください。"},
            {"edtRowDivNum", 21, "１ページの段数は、1 から 20 の数値を指定してください。"},
        };
        for (const auto& c : cases) {
            const std::string before = BookBytes();
            InBook([&] {
                ShowTab("ページプロパティ");
                if (QString(c.field) == "cmbNoteFontSize") {
                    Field<QComboBox>(c.field)->setEditText(QString::number(c.value));
                } else {
                    Spin(c.field)->setValue(c.value);
                }
                QVERIFY(!Dialog().Confirm());
                QVERIFY(Dialog().isVisible());
                QCOMPARE(LastError(), c.message);
                QCOMPARE(FocusedField(), QString(c.field));
            });
            QCOMPARE(BookBytes(), before);
        }
        // A number box left empty counts as 0.
        InBook([&] {
            ShowTab("ページプロパティ");
            Spin("edtRowDivNum")->findChild<QLineEdit*>()->clear();
            QVERIFY(!Dialog().Confirm());
            QCOMPARE(Spin("edtRowDivNum")->value(), 0);
            QCOMPARE(LastError(),
                     QString("１ページの段数は、1 から 20 の数値を指定してください。"));
        });
    }

    void LeavingATabChecksOnlyThePanelShown() {
        InBook([&] {
            ShowTab("ページプロパティ");
            Spin("edtTitleHeight")->setValue(Ws().layout.PageHeight);
            f_->dialogs.errors.clear();
            ShowTab("表示位置");
            QCOMPARE(Tabs()->tabText(Tabs()->currentIndex()), QString("ページプロパティ"));
            QVERIFY(LastError().startsWith("タイトル部分の高さは、1 から "));
            QCOMPARE(FocusedField(), QString("edtTitleHeight"));
            // Ctrl+Tab steps on only once the panel is good.
            Dialog().activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(&Dialog()));
            QTest::keyClick(Spin("edtTitleHeight"), Qt::Key_Tab, Qt::ControlModifier);
            QCOMPARE(Tabs()->tabText(Tabs()->currentIndex()), QString("ページプロパティ"));
            Spin("edtTitleHeight")->setValue(100);
            QTest::keyClick(Spin("edtTitleHeight"), Qt::Key_Tab, Qt::ControlModifier);
            QCOMPARE(Tabs()->tabText(Tabs()->currentIndex()), QString("表示位置"));
        });
        InOptions([&] {
            ShowTab("MIDI設定");
            Spin("edtClickHVelocity")->setValue(0);
            f_->dialogs.errors.clear();
            ShowTab("色");
            QCOMPARE(Tabs()->tabText(Tabs()->currentIndex()), QString("MIDI設定"));
            QCOMPARE(
                LastError(),
                QString("クリック音（強）のベロシティーは、1 から 127 の数値を指定してください。"));
            Spin("edtClickHVelocity")->setValue(120);
            ShowTab("色");
            f_->dialogs.errors.clear();
            ShowTab("一般");  // the colour tab checks nothing
            QVERIFY(f_->dialogs.errors.isEmpty());
            QCOMPARE(Tabs()->tabText(Tabs()->currentIndex()), QString("一般"));
        });
        InPage([&] {
            Spin("edtPlayCount")->setValue(301);
            ShowTab("表示位置");
            QCOMPARE(LastError(), QString("演奏速度は、1 から 300 の数値を指定してください。"));
            QCOMPARE(FocusedField(), QString("edtPlayCount"));
        });
    }

    void OkChecksEveryPanelBeforeChangingAnything() {
        // A damaged file's value on a panel that was never opened.
        TMusicBook& book = Window().Book();
        const std::string before = BookBytes();
        InBook([&] {
            Field<QLineEdit>("edtBookTitle")->setText("new title");
            Spin("edtTitleHeight")->setValue(9999);
            f_->dialogs.errors.clear();
            QVERIFY(!Dialog().Confirm());
            QCOMPARE(Tabs()->tabText(Tabs()->currentIndex()), QString("ページプロパティ"));
            QCOMPARE(Field<QStackedWidget>("stkPanels")->currentWidget()->objectName(),
                     QString("pnlPageProperty"));
            QVERIFY(LastError().startsWith("タイトル部分の高さは、1 から "));
            QVERIFY(!Ws().undo.GroupOpen());  // nothing is stored while the dialog is up
        });
        QCOMPARE(book.Title(), std::string());
        QCOMPARE(BookBytes(), before);
    }

    void PageModeStoresTheHeaderAndScalesTheMarks() {
        TMusicSheet& page = *Window().CurrentPage();
        // The page as read with the book: nothing recorded.
        std::optional<UntrackedChanges> asRead(&Ws().undo);
        page.SetKeyCode(Sjis("１＝Ｇ　（５２弦）"));
        TNote* note = CreateItem<TNote>(page);
        note->SetContent("3");
        note->SetPosX(200);
        note->SetPosY(300);
        TMusicSign* mark = CreateItem<TMusicSign>(page);
        mark->SetContent("T");
        mark->SetPosX(200);
        mark->SetPosY(260);
        note->Link(*mark);
        mark->Link(*note);
        asRead.reset();
        const int oldSize = page.NoteFontSize();
        const int steps = Ws().undo.UndoCount();
        InPage([&] {
            QCOMPARE(Field<QComboBox>("cmbKeyCode")->currentIndex(), 1);
            Field<QLineEdit>("edtTitle")->setText("賽馬");
            Field<QLineEdit>("edtWriter")->setText("黄海懐");
            Field<QComboBox>("cmbKeyCode")->setCurrentIndex(4);
            Field<QLineEdit>("edtPlaySpeed")->setText("快板");
            Spin("edtPlayCount")->setValue(132);
            Field<QComboBox>("cmbNoteFontSize")
                ->setCurrentIndex(Field<QComboBox>("cmbNoteFontSize")->findText("36"));
            QVERIFY(Dialog().Confirm());
        });
        QCOMPARE(page.Title(), Sjis("賽馬"));
        QCOMPARE(page.Writer(), Sjis("黄海懐"));
        QCOMPARE(page.KeyCode(), Sjis("１＝♭Ｂ（３７弦）"));
        QCOMPARE(page.PlaySpeed(), Sjis("快板"));
        QCOMPARE(page.PlayCount(), 132);
        QCOMPARE(page.NoteFontSize(), 36);
        QCOMPARE(Ws().layout.NoteFontSize, 36);  // the page's layout is current
        const double ratio = double(DigitHeightAt(36)) / DigitHeightAt(oldSize);
        QCOMPARE(mark->PosY(), RoundHalfEven(300 + ratio * -40));
        QCOMPARE(note->PosY(), 300);
        QCOMPARE(Ws().undo.UndoCount(), steps + 1);
        Window().Undo();
        QCOMPARE(mark->PosY(), 260);
        QCOMPARE(page.KeyCode(), Sjis("１＝Ｇ　（５２弦）"));

        // A key that is not in the list is shown after the list and kept.
        asRead.emplace(&Ws().undo);
        page.SetKeyCode("1=E");
        asRead.reset();
        InPage([&] {
            QCOMPARE(Field<QComboBox>("cmbKeyCode")->currentText(), QString("1=E"));
            QVERIFY(Dialog().Confirm());
        });
        QCOMPARE(page.KeyCode(), std::string("1=E"));
    }

    void OptionsTakeEffectAndAnnounceMidiChanges() {
        TfrmKeyBoard& keyboard = FindPlaybackController(Window())->KeyBoard();
        keyboard.DrawKeyboard();
        const QImage namesShown = keyboard.Image();
        QSignalSpy midi(&Window(), &TfrmMain::midiSettingsChanged);
        QSignalSpy applied(&Commands(), &SettingsCommands::optionsApplied);
        Preferences& p = Ws().prefs;
        InOptions([&] {
            QComboBox* devices = Field<QComboBox>("cmbMidiDevice");
            QCOMPARE(devices->count(), 2);
            QCOMPARE(devices->itemText(0), QString("FluidSynth (General MIDI)"));
            QCOMPARE(devices->currentIndex(), 0);
            QCOMPARE(Spin("edtRhythmChannelNo")->value(), 10);
            QCOMPARE(Field<QComboBox>("cmbClickHKeyNo")->currentText(),
                     QString("81:Open Triangle"));
            QVERIFY(Field<QAbstractButton>("btnFingerNoT")->isChecked());
            devices->setCurrentIndex(1);
            Spin("edtRhythmChannelNo")->setValue(16);
            Field<QComboBox>("cmbClickLKeyNo")->setCurrentIndex(0);
            Field<QAbstractButton>("btnFingerNo00")->click();
            Field<QAbstractButton>("chkIsSkipCursor")->click();
            Field<QAbstractButton>("rbRBtnSound")->click();
            Field<QAbstractButton>("chkIsDispKeyName")->click();
            QComboBox* score = Field<QComboBox>("cmbScoreFontColor");
            score->setCurrentIndex(score->findText("赤"));
            Spin("edtPlayCursorWidth")->setValue(3);
            Field<QComboBox>("cmbPlayCursorDispMode")->setCurrentIndex(1);
            Spin("edtBarParRow")->setValue(5);
            QVERIFY(Dialog().Confirm());
        });
        QCOMPARE(p.DeviceID, 1);
        QCOMPARE(p.RhythmChannelNo, 15);
        QCOMPARE(p.ClickLKeyNo, 27);
        QVERIFY(p.IsFingerNo00);
        // The palette's open-string button now places "." (code 46).
        QCOMPARE(Window().Palette().findChild<QWidget*>("btnSign_84")->property("Tag").toInt(), 46);
        QVERIFY(!p.IsSkipCursor);
        QVERIFY(!p.IsRBtnCsrMove);
        QVERIFY(!p.IsDispKeyName);
        QVERIFY(keyboard.Image() != namesShown);  // redrawn without the key names
        QCOMPARE(p.DefoScoreFontColor, 0x0000FF);
        QCOMPARE(p.DefoPlayCursorWidth, 3);
        QCOMPARE(p.DefoPlayCursorDispMode, 1);
        QCOMPARE(p.DefoBarParRow, 5);
        QCOMPARE(p.DefoGridDivNum, 45);
        QCOMPARE(p.DefoLeftSpace, Ws().layout.PageWidth - 45 * p.DefoGridSize - p.DefoRightSpace);
        QCOMPARE(midi.count(), 1);
        QCOMPARE(applied.count(), 1);
        QVERIFY(!Ws().undo.CanUndo());  // options are not document changes

        // OK without MIDI changes, and cancel, announce nothing about MIDI.
        InOptions([&] { QVERIFY(Dialog().Confirm()); });
        InOptions([&] { Field<QComboBox>("cmbMidiDevice")->setCurrentIndex(0); });
        QCOMPARE(midi.count(), 1);
        QCOMPARE(applied.count(), 2);
        QCOMPARE(p.DeviceID, 1);

        // A stored device that has gone selects nothing and is kept.
        devices_ = {"FluidSynth (General MIDI)"};
        InOptions([&] {
            QCOMPARE(Field<QComboBox>("cmbMidiDevice")->currentIndex(), -1);
            QVERIFY(Dialog().Confirm());
        });
        QCOMPARE(p.DeviceID, 1);
    }

    void ClickButtonsSoundWhileHeld() {
        InOptions([&] {
            ShowTab("MIDI設定");
            Field<QComboBox>("cmbClickLKeyNo")->setCurrentIndex(75 - 27);
            QTest::mousePress(Field<QAbstractButton>("btnClickL"), Qt::LeftButton);
            QCOMPARE(sent_, (QList<QList<int>>{{9, 144, 75, 100}}));
            QTest::mouseRelease(Field<QAbstractButton>("btnClickL"), Qt::LeftButton);
            QCOMPARE(sent_.last(), (QList<int>{9, 144, 75, 0}));
        });
    }

    void WithoutOwnServicesThePlaybackOutputIsUsed() {
        Commands().SetMidiServices({}, {});
        PlaybackController* playback = FindPlaybackController(Window());
        QVERIFY(playback);
        VirtualTimeSource clock;
        CaptureMidiOut capture{clock};
        PlaybackEngineOptions engine;
        engine.devices = [] {
            return std::vector<MidiOutEntry>{{"Synth", nullptr}, {"Port B", nullptr}};
        };
        engine.clock = &clock;
        engine.timerDriven = false;
        playback->SetEngine(engine);
        playback->UseDevice(std::make_unique<ForwardingMidiOut>(capture));
        InOptions([&] {
            QComboBox* devices = Field<QComboBox>("cmbMidiDevice");
            QCOMPARE(devices->count(), 2);
            QCOMPARE(devices->itemText(1), QString("Port B"));
            capture.Clear();
            QTest::mousePress(Field<QAbstractButton>("btnClickH"), Qt::LeftButton);
            QTest::mouseRelease(Field<QAbstractButton>("btnClickH"), Qt::LeftButton);
        });
        std::vector<std::vector<std::uint8_t>> shorts;
        for (const auto& m : capture.Messages()) {
            if (m.kind == CaptureMidiOut::Kind::kShort) shorts.push_back(m.bytes);
        }
        QCOMPARE(shorts, (std::vector<std::vector<std::uint8_t>>{{0x99, 81, 100}, {0x99, 81, 0}}));
    }

    void GroupsChooseTheirRadioButtonAndRadioButtonsSetTheRate() {
        TMusicBook& book = Window().Book();
        {
            const UntrackedChanges asRead(&Ws().undo);
            book.SetOffsetRateX_FingerNo(100);
            book.SetOffsetRateX_PF(-170);
        }
        InBook([&] {
            ShowTab("表示位置");
            QCOMPARE(Dialog().SelectedGroup(), 0);
            QVERIFY(Field<QAbstractButton>("btnFingerNo")->isChecked());
            Field<QAbstractButton>("btnPF")->click();
            QVERIFY(Field<QAbstractButton>("rbRateM170")->isChecked());
            QVERIFY(!Field<QAbstractButton>("btnFingerNo")->isChecked());
            // Rate 100 lies in no band: the radio buttons stay.
            Field<QAbstractButton>("btnFingerNo")->click();
            QVERIFY(Field<QAbstractButton>("rbRateM170")->isChecked());
            QCOMPARE(Dialog().WorkingRates().FingerNo, 100);
            QTest::mouseClick(Field<QAbstractButton>("rbRate170"), Qt::LeftButton);
            QCOMPARE(Dialog().WorkingRates().FingerNo, 170);
            QCOMPARE(Dialog().WorkingRates().PF, -170);

            // The preview shows the sample note and the selected group, and
            // also each ticked group.
            const int alone = InkPixels(Dialog().Preview());
            QVERIFY(alone > 0);
            Field<QAbstractButton>("chkKakko")->click();
            QVERIFY(InkPixels(Dialog().Preview()) > alone);
            QVERIFY(InkPixels(Dialog().Preview().copy(30, 125, 40, 50)) > 0);  // the note
            QVERIFY(Dialog().Confirm());
        });
        QCOMPARE(book.OffsetRateX_FingerNo(), 170);
        // Every showing selects the first group again; ticks are kept.
        InBook([&] {
            QCOMPARE(Dialog().SelectedGroup(), 0);
            QVERIFY(Field<QAbstractButton>("rbRate170")->isChecked());
            QVERIFY(Field<QAbstractButton>("chkKakko")->isChecked());
        });
    }

    void AssociationButtonsFollowWhetherItIsPresent() {
        QTemporaryDir dir;
        const std::string root = dir.path().toStdString();
        Commands().SetAssociation(std::make_unique<FileAssociation>(
            AssociationPlaces{root + "/data", root + "/config", ""}, "/usr/bin/sorvel"));
        InOptions([&] {
            auto* add = Field<QAbstractButton>("btnAssociate");
            auto* remove = Field<QAbstractButton>("btnUnassociate");
            QVERIFY(add->isEnabled());
            QVERIFY(!remove->isEnabled());
            add->click();
            QVERIFY(QFile::exists(dir.path() + "/data/mime/packages/sorvel.xml"));
            QVERIFY(!add->isEnabled());
            QVERIFY(remove->isEnabled());
            remove->click();
            QVERIFY(!QFile::exists(dir.path() + "/data/mime/packages/sorvel.xml"));
            QVERIFY(add->isEnabled());
            QVERIFY(!remove->isEnabled());
        });
        QVERIFY(f_->dialogs.errors.isEmpty());
    }
};

QTEST_MAIN(SetInfoTest)
#include "frmsetinfo_test.moc"
