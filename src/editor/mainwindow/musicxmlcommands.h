// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The main window's MusicXML commands: a staff score read in as a new book
// (its first part with notes), and the open book saved as MusicXML. The file
// dialogs are replaceable functions, so tests run both without a modal loop.
#include <QObject>
#include <QString>
#include <QStringList>
#include <functional>

class QWidget;

#include "editor/document/editorshell.h"

namespace sorvel {

struct MusicXmlDialogs {
    // The open dialog for MusicXML files in `folder`; empty when cancelled.
    std::function<QString(QWidget* parent, const QString& folder)> askImportPath;
    // The save dialog with `proposal` filled in, asking before it
    // overwrites; empty when cancelled.
    std::function<QString(QWidget* parent, const QString& folder, const QString& proposal)>
        askExportPath;
    // Which of a score's parts to read: the offered entries and the 1-based
    // one preselected; answers the 1-based choice, or 0 when cancelled.
    std::function<int(QWidget* parent, const QStringList& parts, int preselected)> askPart;

    static MusicXmlDialogs Standard();
};

inline constexpr char kMusicXmlOpenFilter[] =
    QT_TRANSLATE_NOOP("FileDialogs", "MusicXML(*.musicxml *.xml *.mxl);;すべてのファイル(*.*)");
inline constexpr char kMusicXmlSaveFilter[] =
    QT_TRANSLATE_NOOP("FileDialogs", "MusicXML(*.musicxml);;すべてのファイル(*.*)");
inline constexpr char kMusicXmlExtension[] = "musicxml";

class MusicXmlCommands : public QObject {
    Q_OBJECT
public:
    explicit MusicXmlCommands(const EditorContext& ctx);

    void SetDialogs(MusicXmlDialogs dialogs) { dialogs_ = std::move(dialogs); }

    // Asks for the file (after the save prompt) and imports it.
    void Import();
    // Reads `path` as the new open book, asking which part when the score
    // has several; false, with the reason shown and the open book untouched,
    // when it cannot be imported or the choice is cancelled.
    bool ImportPath(const QString& path);
    void Export();
    bool ExportPath(const QString& path);

private:
    EditorContext ctx_;
    MusicXmlDialogs dialogs_;
};

// Creates the commands and binds "actImportMusicXml" and "actExportMusicXml".
void InstallMusicXmlCommands(const EditorContext& ctx);

}  // namespace sorvel
