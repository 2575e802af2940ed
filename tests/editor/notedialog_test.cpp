// SPDX-License-Identifier: GPL-3.0-or-later
// The note dialog on a workspace of its own: an OK without a drag changes
// no offset and records nothing, whatever offsets the note holds; a part
// dragged away and back counts as untouched; a dragged part is stored by its
// new place.
#include <QAbstractButton>
#include <QtTest>

#include "editor/dialogs/frmsetnote.h"
#include "model/itemfactory.h"
#include "model/musicbook.h"
#include "model/musicsheet.h"
#include "model/note.h"
#include "model/workspace.h"
#include "view/qt/musicfont.h"

using namespace sorvel;

class NoteDialogTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<Workspace> ws_;
    std::unique_ptr<TfrmSetNote> dialog_;
    TNote* note_ = nullptr;

    TMusicSheet& Page() { return *ws_->book->GetSheet(0); }
    QWidget* Box() { return dialog_->findChild<QWidget*>("pbNote"); }
    // Shows the dialog for the note and presses OK in one undo group, with
    // `inside` run in between; returns how many changes the OK recorded.
    std::size_t OkOnNote(const std::function<void()>& inside = [] {}) {
        ws_->undo.BeginGroup();
        dialog_->Prepare(*note_, Page());
        inside();
        dialog_->Confirm();
        dialog_->Apply();
        const std::size_t recorded = ws_->undo.OpenGroupCommands()->size();
        ws_->undo.EndGroup();
        return recorded;
    }
    void Drag(FigurePoint from, QPoint by) {
        const QPoint start(from.x, from.y);
        QTest::mousePress(Box(), Qt::LeftButton, {}, start);
        QTest::mouseMove(Box(), start + by);
        QTest::mouseRelease(Box(), Qt::LeftButton, {}, start + by);
    }

private Q_SLOTS:
    void initTestCase() { QVERIFY(InstallMusicFont()); }
    void init() {
        ws_ = std::make_unique<Workspace>();
        ws_->NewBook();
        dialog_ = std::make_unique<TfrmSetNote>(*ws_, nullptr);
        note_ = CreateItem<TNote>(Page());
        note_->SetContent("5");
        note_->SetRinji("`");
        note_->SetFuten(1);
    }
    void cleanup() {
        dialog_.reset();
        ws_.reset();
    }

    void OkWithoutADragChangesNothing() {
        // The glyph is narrower and lower than 100 pixels, so most per-cent
        // offsets fall between two pixels.
        dialog_->Prepare(*note_, Page());
        QVERIFY(dialog_->Figure().w < 100 && dialog_->Figure().h < 100);
        for (int v = -99; v <= 99; v += 7) {
            const NoteOffsets offsets{v, -v, v + 3, v - 2};
            ApplyNoteOffsets(*note_, offsets);
            QCOMPARE(OkOnNote(), std::size_t(0));
            QCOMPARE(OffsetsOf(*note_), offsets);
        }
    }

    void DefaultsAndOtherNotesGetTheExactOffsets() {
        const NoteOffsets offsets{-83, -61, 57, 23};
        ApplyNoteOffsets(*note_, offsets);
        TNote* other = CreateItem<TNote>(Page());
        other->SetContent("3");
        OkOnNote([&] {
            dialog_->findChild<QAbstractButton*>("chkDefault")->click();
            dialog_->findChild<QAbstractButton*>("chkAllNotes")->click();
        });
        QCOMPARE(OffsetsOf(*note_), offsets);
        QCOMPARE(OffsetsOf(*other), offsets);
        const Preferences& p = ws_->prefs;
        QCOMPARE((NoteOffsets{p.DefoOffsetRateX_Rinji, p.DefoOffsetRateY_Rinji,
                              p.DefoOffsetRateX_Futen, p.DefoOffsetRateY_Futen}),
                 offsets);
    }

    void APartDraggedBackIsUntouchedAndAMovedPartIsStored() {
        const NoteOffsets offsets{-83, -61, 57, 23};
        ApplyNoteOffsets(*note_, offsets);
        QCOMPARE(OkOnNote([&] {
                     const FigurePoint a = dialog_->AccidentalPosition();
                     Drag(a, QPoint(15, 9));
                     Drag(dialog_->AccidentalPosition(), QPoint(-15, -9));
                     QCOMPARE(dialog_->AccidentalPosition(), a);
                 }),
                 std::size_t(0));
        QCOMPARE(OffsetsOf(*note_), offsets);

        FigurePoint movedDot;
        OkOnNote([&] {
            Drag(dialog_->DotCentre(), QPoint(-6, 4));
            movedDot = OffsetsFromPoint(dialog_->Figure(), dialog_->DotCentre());
        });
        QCOMPARE(OffsetsOf(*note_), (NoteOffsets{-83, -61, movedDot.x, movedDot.y}));
        QVERIFY(movedDot != (FigurePoint{57, 23}));
    }
};

QTEST_MAIN(NoteDialogTest)
#include "notedialog_test.moc"
