// SPDX-License-Identifier: GPL-3.0-or-later
// Playing in the editor with the capture device on a virtual clock: the P key
// and the play button, the play cursor turning pages, tempo and mutes while
// playing, a missing audio output and edits while playing.
#include "editor/mainwindow/pagecommands.h"
#include "playbackrig.h"

using namespace sorvel;
using namespace sorvel::playtest;

class PlaybackTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void dialogStartsWithStoredValues();
    void dialogEnablingFollowsPlayingAndChecks();
    void dialogWritesItsKeysWhenDestroyed();
    void expressiveOptionIsStoredRestoredAndPlayed();
    void pTwiceStartsAndStopsWithDialogHidden();
    void dialogButtonsAndPKeyPlayAndStop();
    void viewTurnsToEachPageAsItsFirstNoteSounds();
    void endOfLastPassResetsDialogAndButton();
    void tempoArrowStepAppliesAtOnceTypingOnEnter();
    void transpositionChangesWhilePlaying();
    void metronomeBoxSilencesTrack2NotCountIn();
    void playStartsWithResetChannelsAndInstrument();
    void missingOutputDisablesPlayAndSaysSo();
    void replacingTheBookWhilePlayingLeavesTheOldOneAlone();
    void editAfterUndoWhilePlayingKeepsTheSequencesNotes();
    void cursorFollowsAcrossWhenZoomedIn();
    void outputReopensWithItsServerAndSaysSoMeanwhile();
};

void PlaybackTest::dialogStartsWithStoredValues() {
    Rig r;
    QCOMPARE(r.dialog().windowTitle(), QString::fromUtf8("演奏コントロール"));
    QVERIFY(r.control<QCheckBox>("chkPlayTempo")->isChecked());
    QCOMPARE(r.control<QSpinBox>("edtPlayTempo")->value(), 80);
    QVERIFY(!r.control<QCheckBox>("chkStartClick")->isChecked());
    QCOMPARE(r.control<QSpinBox>("edtStartClick")->value(), 1);
    QCOMPARE(r.control<QSpinBox>("edtPlayCount")->value(), 1);
    QVERIFY(r.control<QCheckBox>("chkIsNoClickRepeat")->isChecked());
    QCOMPARE(r.control<QPushButton>("btnMute")->text(), QString("MUTE"));
    QCOMPARE(r.control<QSpinBox>("edtPlayBias")->value(), 0);
    auto* instruments = r.control<QComboBox>("cmbInstrument");
    QCOMPARE(instruments->count(), 128);
    // The names of the list, in each language and as short names, are
    // checked with the translations.
    QCOMPARE(instruments->currentIndex(), 71);
    QVERIFY(instruments->currentText().startsWith("072:"));
    QVERIFY(r.control<QPushButton>("btnPlay")->isEnabled());
    QVERIFY(!r.control<QPushButton>("btnStop")->isEnabled());
    QVERIFY(r.control<QPushButton>("btnPlay")->font().bold());
}

void PlaybackTest::dialogEnablingFollowsPlayingAndChecks() {
    Rig r;
    auto* tempo = r.control<QSpinBox>("edtPlayTempo");
    QVERIFY(!tempo->isEnabled());
    r.control<QCheckBox>("chkPlayTempo")->setChecked(false);
    QVERIFY(tempo->isEnabled());
    QVERIFY(!r.control<QSpinBox>("edtStartClick")->isEnabled());
    r.control<QCheckBox>("chkStartClick")->setChecked(true);
    QVERIFY(r.control<QSpinBox>("edtStartClick")->isEnabled());

    r.dialog().SetPlaying(true);
    for (const char* name : {"chkPlayTempo", "chkStartClick", "chkNonRepeat", "chkIsNoClickRepeat"})
        QVERIFY2(!r.control<QCheckBox>(name)->isEnabled(), name);
    QVERIFY(!r.control<QSpinBox>("edtPlayCount")->isEnabled());
    QVERIFY(!r.control<QSpinBox>("edtStartClick")->isEnabled());
    QVERIFY(!r.control<QPushButton>("btnPlay")->isEnabled());
    QVERIFY(r.control<QPushButton>("btnStop")->isEnabled());
    // What may change while playing stays usable.
    QVERIFY(tempo->isEnabled());
    QVERIFY(r.control<QSpinBox>("edtPlayBias")->isEnabled());
    QVERIFY(r.control<QComboBox>("cmbInstrument")->isEnabled());
    QVERIFY(r.control<QCheckBox>("chkPlayMetronome")->isEnabled());
    QVERIFY(r.control<QPushButton>("btnMute")->isEnabled());
    r.dialog().SetPlaying(false);
    QVERIFY(r.control<QSpinBox>("edtStartClick")->isEnabled());

    auto* mute = r.control<QPushButton>("btnMute");
    mute->click();
    QCOMPARE(mute->text(), QString::fromUtf8("MUTE(交互)"));
    QVERIFY(r.dialog().AlternateMute());
    mute->click();
    QCOMPARE(mute->text(), QString("MUTE"));
}

void PlaybackTest::dialogWritesItsKeysWhenDestroyed() {
    Rig r;
    r.control<QCheckBox>("chkStartClick")->setChecked(true);
    r.control<QSpinBox>("edtStartClick")->setValue(3);
    r.control<QCheckBox>("chkPlayTempo")->setChecked(false);
    r.control<QSpinBox>("edtPlayTempo")->setValue(132);
    const std::string path = r.f.SettingsPath().toStdString();
    r.f.window.reset();
    QCOMPARE(ReadPreferenceInt(path, "Midi", "StartClick", -1), 1);
    QCOMPARE(ReadPreferenceInt(path, "Midi", "StartClickNum", -1), 3);
    QCOMPARE(ReadPreferenceInt(path, "Midi", "PlayScoreTempo", -1), 0);
    QCOMPARE(ReadPreferenceInt(path, "Midi", "Tempo", -1), 132);
    QCOMPARE(ReadPreferenceInt(path, "Midi", "IsNoClickRepeat", -1), 1);
}

void PlaybackTest::expressiveOptionIsStoredRestoredAndPlayed() {
    Rig r;
    auto* expressive = r.control<QCheckBox>("chkExpressive");
    QVERIFY(expressive);
    QCOMPARE(expressive->text(), QString::fromUtf8("表情をつけて演奏する"));
    QVERIFY(!expressive->isChecked());  // off by default
    QVERIFY(!r.dialog().Options().expressive);

    // Played: the bend range is set and the trill's upper note sounds; the
    // cursor stands on each note in turn.
    r.Write(*r.w().CurrentPage(), '3', 2);
    TMusicSheet& page = *r.w().CurrentPage();
    std::vector<TNote*> notes;
    for (int i = 0; i < page.ItemCount(); ++i)
        if (TNote* n = page.GetItem(i)->As<TNote>()) notes.push_back(n);
    {
        const UntrackedChanges asRead(&r.w().Workspace().undo);
        TMusicSign* trill = CreateItem<TMusicSign>(page);
        trill->SetContent("[");
        notes[0]->Link(*trill);
        trill->Link(*notes[0]);
    }
    expressive->setChecked(true);
    QVERIFY(r.dialog().Options().expressive);
    r.FastOwnTempo(120);
    r.dialog().show();
    QTest::mouseClick(r.control<QPushButton>("btnPlay"), Qt::LeftButton);
    QVERIFY(!expressive->isEnabled());  // fixed while playing
    std::vector<const TMusicItem*> cursor;
    r.Run(3000, [&] {
        if (r.pc->CursorItem() && (cursor.empty() || cursor.back() != r.pc->CursorItem()))
            cursor.push_back(r.pc->CursorItem());
    });
    QVERIFY(r.Sent({0xB0, 101, 0}));
    QVERIFY(r.Sent({0xB0, 6, 12}));
    const int three = 64 + r.Offset(), four = 65 + r.Offset();
    QCOMPARE(r.NoteOns(0), (std::vector<int>{three, four, three, three}));
    QCOMPARE(cursor, (std::vector<const TMusicItem*>{notes[0], notes[1]}));
    QVERIFY(expressive->isEnabled());

    // Stored under a key of our own when the dialog goes, read when it comes.
    const std::string path = r.f.SettingsPath().toStdString();
    r.f.window.reset();
    QCOMPARE(ReadPreferenceInt(path, "Playback", "Expressive", -1), 1);
    Preferences prefs;
    {
        TfrmPlay again(prefs, path);
        auto* box = again.findChild<QCheckBox*>("chkExpressive");
        QVERIFY(box->isChecked());
        QVERIFY(again.Options().expressive);
        box->setChecked(false);
    }
    QCOMPARE(ReadPreferenceInt(path, "Playback", "Expressive", -1), 0);
}

void PlaybackTest::pTwiceStartsAndStopsWithDialogHidden() {
    Rig r;
    r.Write(*r.w().CurrentPage(), '1', 8);
    QAction* button = r.w().Action("actPlayStop");
    QVERIFY(button->isEnabled());
    QVERIFY(r.w().Action("actPlay")->isEnabled());
    QTest::keyClick(&r.w().PaintBox(), 'p');
    QVERIFY(!r.dialog().isVisible());
    QVERIFY(r.pc->IsPlaying());
    QVERIFY(r.pc->Sequencer().IsPlaying());
    QCOMPARE(button->toolTip(), QString::fromUtf8("停止"));
    r.Settle();
    QVERIFY(r.w().IsPlaying());
    QVERIFY(!r.w().Action("actOpen")->isEnabled());
    QVERIFY(!r.w().Action("actNewBook")->isEnabled());
    r.Run(300);
    QVERIFY(!r.NoteOns(0).empty());

    r.capture.Clear();
    QTest::keyClick(&r.w().PaintBox(), 'P');
    QVERIFY(!r.pc->IsPlaying());
    QVERIFY(!r.pc->Sequencer().IsPlaying());
    QCOMPARE(button->toolTip(), QString::fromUtf8("再生"));
    QVERIFY(r.Sent({0xB0, 120, 0}));  // the melody's channel is silenced
    r.Settle();
    QVERIFY(!r.w().IsPlaying());
    QVERIFY(r.w().Action("actOpen")->isEnabled());
    QVERIFY(r.pc->CursorItem() == nullptr);
}

void PlaybackTest::dialogButtonsAndPKeyPlayAndStop() {
    Rig r;
    r.Write(*r.w().CurrentPage(), '2', 8);
    r.dialog().show();
    QTest::mouseClick(r.control<QPushButton>("btnPlay"), Qt::LeftButton);
    QVERIFY(r.pc->Sequencer().IsPlaying());
    QVERIFY(r.dialog().IsPlaying());
    // P in a field of the dialog stops, too.
    QTest::keyClick(r.control<QSpinBox>("edtPlayBias"), 'p');
    QVERIFY(!r.pc->Sequencer().IsPlaying());
    QVERIFY(r.control<QPushButton>("btnPlay")->isEnabled());
    QTest::keyClick(&r.dialog(), 'P');
    QVERIFY(r.pc->Sequencer().IsPlaying());
    QTest::mouseClick(r.control<QPushButton>("btnStop"), Qt::LeftButton);
    QVERIFY(!r.pc->Sequencer().IsPlaying());
    QVERIFY(!r.dialog().IsPlaying());
    r.dialog().hide();
}

void PlaybackTest::viewTurnsToEachPageAsItsFirstNoteSounds() {
    Rig r;
    TfrmMain& w = r.w();
    sorvel::PageCommands::Of(w)->NewPage();
    sorvel::PageCommands::Of(w)->NewPage();
    QCOMPARE(w.Book().SheetCount(), 3);
    r.Write(*w.Book().GetSheet(0), '1', 4);
    r.Write(*w.Book().GetSheet(1), '3', 4, 2);
    r.Write(*w.Book().GetSheet(2), '5', 4, 7);
    w.ShowPage(1, true);
    r.FastOwnTempo();
    const int offset = r.Offset();
    const int pitchOfPage[3] = {60 + offset, 64 + offset, 67 + offset};

    auto* area = w.findChild<QScrollArea*>("sbScore1");
    QVERIFY(area);
    w.resize(900, 500);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    r.pc->PlayStop();
    std::vector<int> pagesSeen;
    std::size_t heard = 0;
    r.Run(20000, [&] {
        const std::vector<int> notes = r.NoteOns(0);
        if (notes.size() == heard) return;
        heard = notes.size();
        int page = -1;
        for (int k = 0; k < 3; ++k)
            if (notes.back() == pitchOfPage[k]) page = k + 1;
        QCOMPARE(w.PageNo(), page);
        if (pagesSeen.empty() || pagesSeen.back() != page) {
            pagesSeen.push_back(page);
            // The row of the note is in view.
            const TMusicItem* item = r.pc->CursorItem();
            QVERIFY(item);
            QCOMPARE(&item->Sheet(), w.CurrentPage());
            const int y = qRound(item->PosY() * w.PaintBox().Scale());
            const int top = area->verticalScrollBar()->value();
            QVERIFY2(y >= top && y < top + area->viewport()->height(),
                     qPrintable(QString("y %1 top %2").arg(y).arg(top)));
        }
    });
    QCOMPARE(pagesSeen, (std::vector<int>{1, 2, 3}));
    QCOMPARE(heard, std::size_t(12));
}

void PlaybackTest::endOfLastPassResetsDialogAndButton() {
    Rig r;
    r.Write(*r.w().CurrentPage(), '1', 4);
    r.FastOwnTempo();
    r.control<QSpinBox>("edtPlayCount")->setValue(2);
    r.pc->PlayStop();
    int cursorSeen = 0;
    bool cleared = false;
    r.Run(20000, [&] {
        if (r.pc->CursorItem()) ++cursorSeen;
        if (r.pc->Sequencer().PassCount() == 1 && !r.pc->CursorItem()) cleared = true;
    });
    QVERIFY(cursorSeen > 0);
    QVERIFY(cleared);
    QVERIFY(!r.pc->Sequencer().IsPlaying());
    QCOMPARE(r.NoteOns(0).size(), std::size_t(8));  // two passes
    QVERIFY(!r.dialog().IsPlaying());
    QVERIFY(r.control<QPushButton>("btnPlay")->isEnabled());
    QCOMPARE(r.w().Action("actPlayStop")->toolTip(), QString::fromUtf8("再生"));
    QVERIFY(r.pc->CursorItem() == nullptr);
    r.Settle();
    QVERIFY(!r.w().IsPlaying());
    QCOMPARE(r.w().Workspace().prefs.PlayCount, 2);
}

void PlaybackTest::tempoArrowStepAppliesAtOnceTypingOnEnter() {
    Rig r;
    r.Write(*r.w().CurrentPage(), '1', 16);
    r.FastOwnTempo(120);
    r.pc->PlayStop();
    r.Run(100);
    QCOMPARE(r.pc->Sequencer().TickPeriodMicros(), 10417u);
    auto* tempo = r.control<QSpinBox>("edtPlayTempo");
    tempo->setFocus();
    QTest::keyClick(tempo, Qt::Key_Up);
    QCOMPARE(tempo->value(), 121);
    QCOMPARE(r.pc->Sequencer().TickPeriodMicros(), 10331u);
    tempo->selectAll();
    QTest::keyClicks(tempo, "150");
    QCOMPARE(tempo->value(), 150);
    QCOMPARE(r.pc->Sequencer().TickPeriodMicros(), 10331u);  // not yet
    QTest::keyClick(tempo, Qt::Key_Return);
    QCOMPARE(r.pc->Sequencer().TickPeriodMicros(), 8333u);
    QVERIFY(r.pc->Sequencer().IsPlaying());  // Enter pressed no button
    r.pc->PlayStop();
}

void PlaybackTest::transpositionChangesWhilePlaying() {
    Rig r;
    r.Write(*r.w().CurrentPage(), '1', 16);
    r.FastOwnTempo(120);
    r.pc->PlayStop();
    r.Run(50);
    const int offset = r.Offset();
    QCOMPARE(r.pc->Play().transposition.load(), offset);
    auto* bias = r.control<QSpinBox>("edtPlayBias");
    QTest::keyClick(bias, Qt::Key_Up);
    QCOMPARE(r.pc->Play().transposition.load(), offset + 1);
    r.capture.Clear();
    r.Run(1000);
    const std::vector<int> notes = r.NoteOns(0);
    QVERIFY(!notes.empty());
    QCOMPARE(notes.back(), 60 + offset + 1);
    r.pc->PlayStop();
}

void PlaybackTest::metronomeBoxSilencesTrack2NotCountIn() {
    auto clicks = [](bool muted, int& before, int& after) {
        Rig r;
        r.Write(*r.w().CurrentPage(), '1', 8);
        r.FastOwnTempo();
        r.control<QCheckBox>("chkStartClick")->setChecked(true);
        if (muted) r.control<QCheckBox>("chkPlayMetronome")->click();
        r.pc->PlayStop();
        r.Run(20000);
        before = after = 0;
        bool melody = false;
        for (const Bytes& b : r.Shorts()) {
            if (b.size() != 3 || b[2] == 0) continue;
            if (b[0] == 0x90) melody = true;
            if (b[0] == 0x99) ++(melody ? after : before);
        }
        QCOMPARE(r.w().Workspace().prefs.IsPlayMetronome, muted);
    };
    int before = 0, after = 0;
    clicks(true, before, after);
    QVERIFY(before > 0);  // the count-in
    QCOMPARE(after, 0);   // no metronome
    clicks(false, before, after);
    QVERIFY(before > 0);
    QVERIFY(after > 0);
}

void PlaybackTest::playStartsWithResetChannelsAndInstrument() {
    Rig r;
    r.Write(*r.w().CurrentPage(), '1', 4);
    r.control<QComboBox>("cmbInstrument")->setCurrentIndex(40);
    QVERIFY(r.Sent({0xC0, 40}));
    QCOMPARE(r.w().Workspace().prefs.Instrument, 40);
    r.capture.Clear();
    r.pc->PlayStop();
    const std::vector<Bytes> sent = r.Shorts();
    QVERIFY(sent.size() >= 33);
    for (int ch = 0; ch < 16; ++ch) {
        QCOMPARE(sent[ch], (Bytes{std::uint8_t(0xB0 + ch), 121, 0}));
        QCOMPARE(sent[16 + ch], (Bytes{std::uint8_t(0xC0 + ch), 0}));
    }
    QCOMPARE(sent[32], (Bytes{0xC0, 40}));
    r.pc->PlayStop();
}

void PlaybackTest::missingOutputDisablesPlayAndSaysSo() {
    Rig r;
    QVERIFY(r.w().Action("actPlay")->isEnabled());
    PlaybackEngineOptions none;
    none.devices = [] {
        return std::vector<MidiOutEntry>{{"broken", [] { return std::unique_ptr<MidiOut>(); }}};
    };
    r.pc->SetEngine(none);
    r.pc->OpenStoredDevice();
    auto* missing = r.w().statusBar()->findChild<QLabel*>(kOutputMissingLabelName);
    QVERIFY(missing);
    QTRY_VERIFY(!r.pc->DeviceOpen() && !missing->isHidden());
    r.Settle();
    QCOMPARE(missing->text(), QString::fromUtf8(kMsgNoMidiOutput));
    QVERIFY(!r.w().Action("actPlay")->isEnabled());
    QVERIFY(!r.w().Action("actPlayStop")->isEnabled());
    // P does nothing then.
    QTest::keyClick(&r.w().PaintBox(), 'p');
    QVERIFY(!r.pc->IsPlaying());
}

// Run under AddressSanitizer: the positions still queued when the book goes,
// and the cursor drawn afterwards, must not read an item of the old book.
void PlaybackTest::replacingTheBookWhilePlayingLeavesTheOldOneAlone() {
    const QString other = QString(SORVEL_EXAMPLES_DIR) + "/demo.svl";
    const std::vector<std::function<void(TfrmMain&)>> replacements{
        [&](TfrmMain& w) { w.Files().DropFiles({other}); },
        [&](TfrmMain& w) { QVERIFY(w.Files().OpenPath(other)); },
        [](TfrmMain& w) { w.Files().NewBook(); },
    };
    for (const auto& replace : replacements) {
        Rig r;
        r.w().resize(700, 500);
        r.w().show();
        QVERIFY(QTest::qWaitForWindowExposed(&r.w()));
        r.Write(*r.w().CurrentPage(), '1', 16);
        r.FastOwnTempo();
        r.pc->PlayStop();
        r.TickUndelivered(2);
        QCoreApplication::processEvents();
        QVERIFY(r.pc->CursorItem());
        r.TickUndelivered(5);
        r.f.dialogs.saveAnswers.push_back(SaveAnswer::No);
        r.capture.Clear();
        replace(r.w());
        // The positions still queued arrive, and the page is drawn again.
        QCoreApplication::processEvents();
        r.w().PaintBox().repaint();
        QCoreApplication::processEvents();
        QVERIFY(!r.w().IsModified());
        QVERIFY(!r.pc->IsPlaying());
        QVERIFY(!r.pc->Sequencer().IsPlaying());
        QVERIFY(!r.dialog().IsPlaying());
        QVERIFY(r.Sent({0xB0, 120, 0}));
        QVERIFY(r.pc->CursorItem() == nullptr);
        // The new book plays from its own notes.
        r.Write(*r.w().CurrentPage(), '3', 4, 9);
        r.capture.Clear();
        r.pc->PlayStop();
        r.Run(100000);
        QVERIFY(!r.NoteOns(0).empty());
        QVERIFY(!r.pc->Sequencer().IsPlaying());
    }
}

// P, undo the last typed note, type another: the new step drops the redo
// step, which would free the undone note while the playing sequence still
// names it. It stays alive until the play ends, and the cursor never goes to
// it. Run under AddressSanitizer.
void PlaybackTest::editAfterUndoWhilePlayingKeepsTheSequencesNotes() {
    Rig r;
    TfrmMain& w = r.w();
    TUndo& undo = w.Workspace().undo;
    TMusicSheet& page = *w.CurrentPage();
    w.View().ShowKeyCursor(r.layout().FirstX(), r.layout().FirstY());
    for (char digit : std::string("1235123")) QTest::keyClick(&w.PaintBox(), digit);
    const CursorPos lastAt = w.View().KeyCursor();
    QTest::keyClick(&w.PaintBox(), '5');
    TMusicItem* last = r.NoteAt(lastAt);
    QVERIFY(last);
    QCOMPARE(last->Content(), std::string("5"));
    r.FastOwnTempo();
    QTest::keyClick(&w.PaintBox(), 'p');
    QVERIFY(r.pc->Sequencer().IsPlaying());
    r.Run(5);

    w.Undo();
    QCOMPARE(page.IndexOfItem(last), -1);
    w.View().ShowKeyCursor(lastAt.x, lastAt.y);
    const int before = page.ItemCount();
    QTest::keyClick(&w.PaintBox(), '6');
    QCOMPARE(page.ItemCount(), before + 1);
    QVERIFY(!undo.CanRedo());
    QVERIFY(undo.DeferredFreeCount() > 0);

    bool cursorOnUndone = false;
    r.Run(20000, [&] { cursorOnUndone |= r.pc->CursorItem() == last; });
    QVERIFY(!cursorOnUndone);
    QVERIFY(!r.pc->IsPlaying());
    QCOMPARE(r.NoteOns(0).size(), std::size_t(8));  // the sequence as it was built
    QCOMPARE(undo.DeferredFreeCount(), std::size_t(0));

    // A stop by hand ends the hold as well.
    QTest::keyClick(&w.PaintBox(), 'p');
    w.Undo();
    QTest::keyClick(&w.PaintBox(), '7');
    QVERIFY(undo.DeferredFreeCount() > 0);
    QTest::keyClick(&w.PaintBox(), 'p');
    QCOMPARE(undo.DeferredFreeCount(), std::size_t(0));
}

// Zoomed in, the row runs wider than the view: the view scrolls sideways so
// that each sounding note is in sight.
void PlaybackTest::cursorFollowsAcrossWhenZoomedIn() {
    Rig r;
    TfrmMain& w = r.w();
    r.Write(*w.CurrentPage(), '1', 16);
    r.FastOwnTempo();
    w.resize(600, 500);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    w.SetZoom(200);
    QCoreApplication::processEvents();
    auto* area = w.findChild<QScrollArea*>("sbScore1");
    QVERIFY(area->horizontalScrollBar()->maximum() > 0);
    r.pc->PlayStop();
    const TMusicItem* seen = nullptr;
    int checked = 0;
    r.Run(20000, [&] {
        const TMusicItem* item = r.pc->CursorItem();
        if (!item || item == seen) return;
        seen = item;
        ++checked;
        const int x = qRound(item->PosX() * w.PaintBox().Scale());
        const int left = area->horizontalScrollBar()->value();
        QVERIFY2(x >= left && x < left + area->viewport()->width(),
                 qPrintable(QString("x %1 left %2").arg(x).arg(left)));
    });
    QCOMPARE(checked, 16);
}

// The server goes away: P and the monitor say so in the status bar, and keep
// saying so whatever else is shown there, until it is back and P plays.
void PlaybackTest::outputReopensWithItsServerAndSaysSoMeanwhile() {
    Rig r;
    TfrmMain& w = r.w();
    bool serverUp = true;
    r.pc->UseDevice(std::make_unique<ServerBoundOut>(r.capture, serverUp));
    r.Write(*w.CurrentPage(), '1', 4);
    auto* missing = w.statusBar()->findChild<QLabel*>(kOutputMissingLabelName);
    QVERIFY(missing);
    QVERIFY(missing->isHidden());

    serverUp = false;
    QTest::keyClick(&w.PaintBox(), 'p');
    QVERIFY(!r.pc->IsPlaying());
    QVERIFY(!r.dialog().IsPlaying());
    QVERIFY(!missing->isHidden());
    QCOMPARE(missing->text(), QString::fromUtf8(kMsgNoMidiOutput));
    w.ShowStatus("another message");
    w.statusBar()->clearMessage();
    QVERIFY(!missing->isHidden());
    w.Action("actInputNoteMonitor")->trigger();
    w.View().ShowKeyCursor(r.layout().FirstX(), r.layout().RowBase(3));
    r.capture.Clear();
    QTest::keyClick(&w.PaintBox(), '3');
    QVERIFY(r.NoteOns(2).empty());
    QVERIFY(!missing->isHidden());

    serverUp = true;
    QTest::keyClick(&w.PaintBox(), '5');
    QCOMPARE(r.NoteOns(2).size(), std::size_t(1));
    QVERIFY(missing->isHidden());
    serverUp = false;
    QTest::keyClick(&w.PaintBox(), '5');
    QVERIFY(!missing->isHidden());
    serverUp = true;
    QTest::keyClick(&w.PaintBox(), 'p');
    QVERIFY(r.pc->IsPlaying());
    QVERIFY(missing->isHidden());
    r.Run(20000);
    QVERIFY(!r.NoteOns(0).empty());
}

QTEST_MAIN(PlaybackTest)
#include "playback_test.moc"
