// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/listening/transcribecommands.h"

#include <QFileInfo>
#include <QStringList>
#include <algorithm>

#include "editor/dialogs/editordialogs.h"
#include "editor/document/editordocument.h"
#include "editor/pageview/musicpaintbox.h"
#include "editor/platform/translatedtext.h"
#include "listen/hearfile.h"
#include "listen/hearsamples.h"
#include "listen/transcribe.h"
#include "model/musicbook.h"
#include "model/musicsheet.h"
#include "model/note.h"

namespace sorvel {
namespace {

// The page (0-based) that holds `item`, or -1.
int PageOf(const TMusicBook& book, const TMusicItem* item) {
    for (int p = 0; p < book.SheetCount(); ++p)
        if (book.GetSheet(p)->IndexOfItem(item) >= 0) return p;
    return -1;
}

}  // namespace

TranscribeDialogs TranscribeDialogs::Standard() {
    TranscribeDialogs d;
    d.askRecordingPath = [](QWidget* parent, const QString& folder) {
        return AskOpenFile(parent, "TranscribeDialog1", kRecordingOpenFilter, nullptr, folder);
    };
    d.record = [](QWidget* parent, const std::string& settingsPath, RecordedTake& take) {
        TfrmRecord dialog(settingsPath, parent);
        return dialog.Execute(take);
    };
    return d;
}

TranscribeCommands::TranscribeCommands(const EditorContext& ctx)
    : QObject(ctx.shell.Window()), ctx_(ctx), dialogs_(TranscribeDialogs::Standard()) {
    setObjectName("TranscribeCommands");
}

void TranscribeCommands::OpenRecording() {
    if (!ctx_.shell.SavePrompt()) return;
    const QString folder = QString::fromStdString(ctx_.document.Workspace().prefs.InitialDir);
    const QString path = dialogs_.askRecordingPath(ctx_.shell.Window(), folder);
    if (path.isEmpty()) return;
    TranscribePath(path);
}

void TranscribeCommands::Record() {
    if (!ctx_.shell.SavePrompt()) return;
    RecordedTake take;
    if (!dialogs_.record(ctx_.shell.Window(), ctx_.shell.SettingsPath(), take)) return;
    TranscribeTake(take);
}

bool TranscribeCommands::TranscribePath(const QString& path) {
    const std::string file = path.toStdString();
    const HearingOutcome heard = HearInBackground(
        ctx_.shell.Window(), tr("録音を聞き取っています…"),
        [file](const listen::ListenProgress& progress, UserText* error) {
            return listen::HearFile(file, progress, error);
        },
        dialogs_.progressShown);
    if (!Open(heard, listen::TranscribeOptions{}, listen::TitleOfRecording(file))) return false;
    ctx_.document.Workspace().prefs.InitialDir = QFileInfo(path).absolutePath().toStdString();
    return true;
}

bool TranscribeCommands::TranscribeTake(const RecordedTake& take) {
    const HearingOutcome heard = HearInBackground(
        ctx_.shell.Window(), tr("録音を聞き取っています…"),
        [&take](const listen::ListenProgress& progress, UserText* error) {
            return listen::HearSamples(take.samples.data(), take.samples.size(), take.rate,
                                       progress, error);
        },
        dialogs_.progressShown);
    listen::TranscribeOptions options;
    options.tempo = take.tempo;
    return Open(heard, options, tr("録音").toStdString());
}

bool TranscribeCommands::Open(const HearingOutcome& heard, const listen::TranscribeOptions& options,
                              const std::string& title) {
    if (heard.cancelled) return false;
    QWidget* window = ctx_.shell.Window();
    if (heard.melody.notes.empty()) {
        ctx_.shell.Dialogs().showError(window, Translated(heard.error));
        return false;
    }
    listen::TranscribeResult result =
        listen::Transcribe(heard.melody, options, title, ctx_.document.Workspace().env);
    if (!result.ok) {
        ctx_.shell.Dialogs().showError(window, Translated(result.error));
        return false;
    }
    // Nothing of it is on disk yet: closing asks to save, and the recovery
    // copy keeps it.
    ctx_.document.ReplaceBook(std::move(result.book), std::string(),
                              EditorDocument::Origin::Unsaved);
    const QString summary = Translated(result.summary);
    ctx_.shell.ShowStatus(summary);
    ctx_.shell.Dialogs().showInfo(window, summary + SelectUncertain(result.uncertain));
    return true;
}

QString TranscribeCommands::SelectUncertain(const std::vector<TNote*>& notes) {
    std::vector<int> pages;  // 1-based, in play order, each once
    for (const TNote* note : notes) {
        const int page = PageOf(ctx_.document.Book(), note) + 1;
        if (page > 0 && std::find(pages.begin(), pages.end(), page) == pages.end())
            pages.push_back(page);
    }
    if (pages.empty()) return QString();
    ctx_.shell.ShowPage(pages.front(), true);
    ctx_.view.SelectItems(std::vector<TMusicItem*>(notes.begin(), notes.end()));
    QString text = "\n\n" + tr("確かめたい音を %1 ページで選択してあります。").arg(pages.front());
    if (pages.size() > 1) {
        QStringList others;
        for (size_t i = 1; i < pages.size(); ++i) others << QString::number(pages[i]);
        text += "\n" + tr("ほかに確かめたい音のあるページ: %1").arg(others.join(", "));
    }
    return text;
}

void InstallTranscribeCommands(const EditorContext& ctx) {
    auto* commands = new TranscribeCommands(ctx);
    EditorShell* shell = &ctx.shell;
    // A transcription becomes a new book: none comes while one plays.
    const EditorShell::EnabledRule notPlaying = NotPlaying(*shell);
    shell->BindCommand(
        "actTranscribeFile", [commands] { commands->OpenRecording(); }, notPlaying);
    shell->BindCommand(
        "actRecordTranscribe", [commands] { commands->Record(); }, notPlaying);
}

}  // namespace sorvel
