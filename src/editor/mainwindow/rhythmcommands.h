// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Rhythm entry in the main window: the checkable Tools entry, which makes the
// page's rhythm entry tool active, the status-bar line with the length of the
// next note and the grace notes waiting for it, what the entry met, and the
// stored octave option. The keys themselves belong to RhythmEntryTool.
#include <QObject>
#include "editor/document/editorshell.h"

class QLabel;
class QWidget;

namespace sorvel {

class RhythmEntryTool;

class RhythmCommands : public QObject {
    Q_OBJECT

public:
    // Adds the status-bar line of the entry to the window.
    explicit RhythmCommands(const EditorContext& ctx);
    ~RhythmCommands() override;

    // The window's rhythm entry (its child), or none before it was installed.
    static RhythmCommands* Of(QWidget& window);

    // The Tools entry was checked or unchecked.
    void Toggle();
    // After undo or redo: the cursor goes where the typed run goes on.
    void CursorAfterUndo();
    RhythmEntryTool& Tool() { return *tool_; }

private:
    bool On() const;
    // The stored option: digits take the octave nearest the note before.
    bool NearestOctaveOption() const;
    void ShowEntryStatus();
    void ShowNotice();

    EditorContext ctx_;
    RhythmEntryTool* tool_ = nullptr;
    QLabel* label_ = nullptr;
};

// Makes the window's rhythm entry and binds actRhythmEntry, checked when `on`.
RhythmCommands* InstallRhythmCommands(const EditorContext& ctx, bool on);

}  // namespace sorvel
