// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/mainwindow/musicxmlcommands.h"

#include <QFileInfo>
#include <QInputDialog>

#include "editor/dialogs/editordialogs.h"
#include "editor/document/editordocument.h"
#include "editor/mainwindow/printcommands.h"
#include "editor/mainwindow/waitcursor.h"
#include "editor/pageview/musicpaintbox.h"
#include "editor/platform/translatedtext.h"
#include "interchange/musicxmlimport.h"
#include "interchange/musicxmlreader.h"
#include "interchange/musicxmlwriter.h"
#include "model/musicbook.h"

namespace sorvel {

MusicXmlDialogs MusicXmlDialogs::Standard() {
    MusicXmlDialogs d;
    d.askImportPath = [](QWidget* parent, const QString& folder) {
        return AskOpenFile(parent, "ImportMusicXmlDialog1", kMusicXmlOpenFilter, nullptr, folder);
    };
    d.askExportPath = [](QWidget* parent, const QString& folder, const QString& proposal) {
        return AskExportPath(parent, "SaveMusicXmlDialog1", kMusicXmlSaveFilter, kMusicXmlExtension,
                             folder, proposal);
    };
    d.askPart = [](QWidget* parent, const QStringList& parts, int preselected) {
        bool ok = false;
        const QString chosen = QInputDialog::getItem(
            parent, MusicXmlCommands::tr("MusicXMLを読み込む"),
            MusicXmlCommands::tr(
                "この楽譜にはパートが %1 個あります。読み込むパートを選んでください:")
                .arg(parts.size()),
            parts, preselected - 1, false, &ok);
        return ok ? static_cast<int>(parts.indexOf(chosen)) + 1 : 0;
    };
    return d;
}

MusicXmlCommands::MusicXmlCommands(const EditorContext& ctx)
    : QObject(ctx.shell.Window()), ctx_(ctx), dialogs_(MusicXmlDialogs::Standard()) {
    setObjectName("MusicXmlCommands");
}

void MusicXmlCommands::Import() {
    if (!ctx_.shell.SavePrompt()) return;
    const QString path = dialogs_.askImportPath(ctx_.shell.Window(), ctx_.shell.DialogFolder());
    if (path.isEmpty()) return;
    ctx_.shell.UseDialogFolder(path);
    ImportPath(path);
}

bool MusicXmlCommands::ImportPath(const QString& path) {
    auto refuse = [this](const UserText& message) {
        ctx_.shell.Dialogs().showError(ctx_.shell.Window(), Translated(message));
        return false;
    };
    interchange::MusicXmlReadResult read;
    {
        WaitCursor wait;
        read = interchange::ReadMusicXmlFile(path.toStdString());
    }
    if (!read.ok) return refuse(read.message);
    const auto& parts = read.score.parts;
    if (parts.size() > 1) {
        QStringList entries;
        for (size_t i = 0; i < parts.size(); ++i) {
            const QString name =
                parts[i].name.empty() ? tr("（名前なし）") : QString::fromStdString(parts[i].name);
            QString entry = QString("%1: %2").arg(i + 1).arg(name);
            if (!parts[i].hasNotes) entry += tr("（音符なし）");
            entries << entry;
        }
        const int part = dialogs_.askPart(ctx_.shell.Window(), entries, read.score.partNumber);
        if (part < 1 || part > static_cast<int>(parts.size())) return false;
        if (part != read.score.partNumber) {
            WaitCursor wait;
            read = interchange::ReadMusicXmlFile(path.toStdString(), part);
        }
        if (!read.ok) return refuse(read.message);
    }
    interchange::MusicXmlImport imported;
    {
        WaitCursor wait;
        imported = interchange::ImportReadScore(read.score, path.toStdString(),
                                                ctx_.document.Workspace().env);
    }
    ctx_.document.Workspace().prefs.InitialDir = QFileInfo(path).absolutePath().toStdString();
    // Nothing of it is on disk yet: closing asks to save, and the recovery
    // copy keeps it.
    ctx_.document.ReplaceBook(std::move(imported.book), std::string(),
                              EditorDocument::Origin::Unsaved);
    ctx_.shell.ShowStatus(Translated(imported.summary));
    return true;
}

void MusicXmlCommands::Export() {
    const QString path =
        dialogs_.askExportPath(ctx_.shell.Window(), ctx_.shell.DialogFolder(),
                               ExportProposal(ctx_.document.ProposedName(), kMusicXmlExtension));
    if (path.isEmpty()) return;
    ctx_.shell.UseDialogFolder(path);
    ExportPath(path);
}

bool MusicXmlCommands::ExportPath(const QString& path) {
    interchange::MusicXmlWriteResult result;
    {
        WaitCursor wait;
        result = interchange::ExportMusicXmlFile(ctx_.document.Book(), path.toStdString());
    }
    if (!result.ok) {
        QString text = Translated(result.message);
        if (!result.detail.empty()) text += "\n" + QString::fromStdString(result.detail);
        ctx_.shell.Dialogs().showError(ctx_.shell.Window(), text);
        return false;
    }
    QString status = tr("MusicXMLで保存しました: %1").arg(path);
    if (!result.summary.empty()) status += QStringLiteral(" ") + Translated(result.summary);
    ctx_.shell.ShowStatus(status);
    return true;
}

void InstallMusicXmlCommands(const EditorContext& ctx) {
    auto* commands = new MusicXmlCommands(ctx);
    // No other book comes while one plays.
    ctx.shell.BindCommand(
        "actImportMusicXml", [commands] { commands->Import(); }, NotPlaying(ctx.shell));
    ctx.shell.BindCommand("actExportMusicXml", [commands] { commands->Export(); });
}

}  // namespace sorvel
