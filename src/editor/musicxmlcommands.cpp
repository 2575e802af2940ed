#include "editor/musicxmlcommands.h"

#include <QFileInfo>

#include "editor/editordialogs.h"
#include "editor/frmmain.h"
#include "editor/printcommands.h"
#include "editor/waitcursor.h"
#include "interchange/musicxmlimport.h"
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
    return d;
}

MusicXmlCommands::MusicXmlCommands(TfrmMain& window)
    : QObject(&window), window_(window), dialogs_(MusicXmlDialogs::Standard()) {
    setObjectName("MusicXmlCommands");
}

void MusicXmlCommands::Import() {
    if (!window_.SavePrompt()) return;
    const QString folder = QString::fromStdString(window_.Workspace().prefs.InitialDir);
    const QString path = dialogs_.askImportPath(&window_, folder);
    if (path.isEmpty()) return;
    ImportPath(path);
}

bool MusicXmlCommands::ImportPath(const QString& path) {
    interchange::MusicXmlImport imported;
    {
        WaitCursor wait;
        imported = interchange::ImportMusicXmlFile(path.toStdString(), 0, window_.Workspace().env);
    }
    if (!imported.ok) {
        window_.Dialogs().showError(&window_, QString::fromStdString(imported.message));
        return false;
    }
    window_.Workspace().prefs.InitialDir = QFileInfo(path).absolutePath().toStdString();
    window_.AdoptNewBook(std::move(imported.book));
    window_.ShowStatus(QString::fromStdString(imported.summary));
    return true;
}

void MusicXmlCommands::Export() {
    const QString folder = QString::fromStdString(window_.Workspace().prefs.InitialDir);
    const QString path = dialogs_.askExportPath(
        &window_, folder, ExportProposal(window_.FileName(), kMusicXmlExtension));
    if (path.isEmpty()) return;
    ExportPath(path);
}

bool MusicXmlCommands::ExportPath(const QString& path) {
    interchange::MusicXmlWriteResult result;
    {
        WaitCursor wait;
        result = interchange::ExportMusicXmlFile(window_.Book(), path.toStdString());
    }
    if (!result.ok) {
        QString text = QString::fromStdString(result.message);
        if (!result.detail.empty()) text += "\n" + QString::fromStdString(result.detail);
        window_.Dialogs().showError(&window_, text);
        return false;
    }
    window_.ShowStatus(QString::fromUtf8("MusicXMLで保存しました: ") + path);
    return true;
}

void InstallMusicXmlCommands(TfrmMain& window) {
    auto* commands = new MusicXmlCommands(window);
    window.BindCommand("actImportMusicXml", [commands] { commands->Import(); });
    window.BindCommand("actExportMusicXml", [commands] { commands->Export(); });
}

}  // namespace sorvel
