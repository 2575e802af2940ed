// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/practice/checkcommands.h"

#include <QAction>
#include <QFileInfo>
#include <QInputDialog>
#include <QMainWindow>
#include <QScrollArea>
#include <QTreeWidget>

#include "editor/dialogs/editordialogs.h"
#include "editor/document/editordocument.h"
#include "editor/listening/hearingtask.h"
#include "editor/listening/transcribecommands.h"
#include "editor/pageview/musicpaintbox.h"
#include "editor/pageview/scorepaintbox.h"
#include "editor/pageview/scrollintoview.h"
#include "editor/platform/translatedtext.h"
#include "editor/practice/checklistdock.h"
#include "editor/practice/checkmarks.h"
#include "editor/practice/frmtuner.h"
#include "model/musicbook.h"
#include "model/musicsheet.h"
#include "model/note.h"
#include "practice/heardtake.h"

namespace sorvel {

CheckDialogs CheckDialogs::Standard() {
    CheckDialogs d;
    d.askRecordingPath = [](QWidget* parent, const QString& folder) {
        return AskOpenFile(parent, "CheckTakeDialog", kRecordingOpenFilter, nullptr, folder);
    };
    d.askScope = [](QWidget* parent, int page) -> std::optional<int> {
        const QStringList choices{CheckCommands::tr("ブック全体"),
                                  CheckCommands::tr("%1 ページだけ").arg(page)};
        bool ok = false;
        const QString chosen = QInputDialog::getItem(
            parent, CheckCommands::tr("録音と照らし合わせる"),
            CheckCommands::tr("録音に入っているのは:"), choices, 0, false, &ok);
        if (!ok) return std::nullopt;
        return chosen == choices[0] ? 0 : page;
    };
    return d;
}

CheckCommands* FindCheckCommands(QObject& main) {
    return main.findChild<CheckCommands*>("CheckCommands", Qt::FindDirectChildrenOnly);
}

CheckCommands::CheckCommands(const EditorContext& ctx)
    : QObject(ctx.shell.Window()),
      ctx_(ctx),
      dialogs_(CheckDialogs::Standard()),
      dock_(new CheckListDock(ctx.shell.Window())) {
    setObjectName("CheckCommands");
    if (auto* window = qobject_cast<QMainWindow*>(ctx.shell.Window()))
        window->addDockWidget(Qt::RightDockWidgetArea, dock_);
    dock_->hide();
    connect(dock_, &CheckListDock::noteChosen, this, &CheckCommands::ShowNote);
    connect(dock_, &CheckListDock::clearRequested, this, &CheckCommands::ClearCheck);
    // The marks name notes of the open book: any change, and the book going,
    // takes them away before a note they name can go.
    connect(&ctx.document, &EditorDocument::changed, this, &CheckCommands::ClearCheck);
    connect(&ctx.document, &EditorDocument::aboutToReplaceBook, this, &CheckCommands::ClearCheck);
    ctx.view.pageOverlay = [this](QPainter& painter, const TMusicSheet& page) {
        if (!overlay_.Empty()) PaintCheckMarks(painter, overlay_.MarksOn(&page));
    };
}

void CheckCommands::CheckRecording() {
    const QString path = dialogs_.askRecordingPath(ctx_.shell.Window(), ctx_.shell.DialogFolder());
    if (path.isEmpty()) return;
    const std::optional<int> page = dialogs_.askScope(ctx_.shell.Window(), ctx_.shell.PageNo());
    if (!page) return;
    if (CheckPath(path, *page)) ctx_.shell.UseDialogFolder(path);
}

bool CheckCommands::CheckPath(const QString& path, int page) {
    QWidget* window = ctx_.shell.Window();
    UserText error;
    // The written notes are read here, on the window's thread: the model is
    // never touched by the worker.
    const std::vector<practice::WrittenNote> written =
        practice::WrittenNotesOf(ctx_.document.Book(), page, &error);
    if (written.empty()) {
        ctx_.shell.Dialogs().showError(window, Translated(error));
        return false;
    }
    const std::string file = QFileInfo(path).absoluteFilePath().toStdString();
    const double a4 = ReferencePitch(ctx_.shell.SettingsPath());
    practice::TakeCheck check;
    const bool cancelled = RunWithProgress(
        window, tr("録音を楽譜と照らし合わせています…"),
        [&](const listen::ListenProgress& progress) {
            const practice::HeardTake take = practice::HearTakeFile(file, progress, &error);
            if (!take.melody.notes.empty()) check = practice::CheckTake(written, take, a4);
        },
        dialogs_.progressShown);
    if (cancelled) return false;
    if (check.notes.empty()) {
        ctx_.shell.Dialogs().showError(window, Translated(error));
        return false;
    }
    ShowCheck(std::move(check));
    return true;
}

void CheckCommands::ShowCheck(practice::TakeCheck check) {
    overlay_.Set(std::move(check));
    dock_->ShowCheck(overlay_);
    dock_->show();
    ctx_.shell.ShowStatus(Summary());
    ctx_.shell.PaintBox().update();
    ctx_.shell.UpdateActions();  // clearing applies now
}

QString CheckCommands::Summary() const {
    const std::vector<int> n = overlay_.BandCounts();
    return tr("照らし合わせました: ±10 セント以内 %1、±25 セント以内 %2、それより外れた音 %3、"
              "抜けた音 %4")
        .arg(n[0])
        .arg(n[1])
        .arg(n[2])
        .arg(n[3]);
}

void CheckCommands::ShowMarks(practice::TakeCheck check) {
    overlay_.Set(std::move(check));
    ctx_.shell.PaintBox().update();
    ctx_.shell.ScheduleUpdate();
}

void CheckCommands::ClearCheck() {
    if (overlay_.Empty() && dock_->isHidden()) return;
    overlay_.Clear();
    dock_->ShowCheck(overlay_);
    dock_->hide();
    ctx_.shell.PaintBox().update();
    ctx_.shell.ScheduleUpdate();
}

void CheckCommands::ShowNote(int index) {
    const auto& notes = overlay_.Check().notes;
    if (index < 0 || index >= static_cast<int>(notes.size())) return;
    const practice::WrittenNote& written = notes[static_cast<std::size_t>(index)].written;
    TMusicBook& book = ctx_.document.Book();
    if (written.page < 1 || written.page > book.SheetCount()) return;
    TMusicSheet& page = *book.GetSheet(written.page - 1);
    TMusicItem* item = page.GetItem(page.IndexOfItem(written.item));
    if (!item) return;
    ctx_.shell.ShowPage(written.page, false);
    ctx_.view.SelectItems({item});
    const qreal scale = ctx_.shell.PaintBox().Scale();
    ScrollRowIntoView(ctx_.shell.ScoreArea(), qRound(item->PosY() * scale),
                      qRound(page.RowInterval() * scale), RowReveal::kNearTop);
    ctx_.shell.UpdateActions();
    ctx_.shell.PaintBox().update();
}

}  // namespace sorvel
