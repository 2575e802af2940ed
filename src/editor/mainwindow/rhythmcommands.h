// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Rhythm entry in the main window: the checkable Tools entry, the keys that
// type notes of the current length while the key cursor is shown, the
// status-bar line with the length of the next note and the grace notes
// waiting for it, what the entry met (its page shown again, music it begins
// after or stops at), and the cursor that follows the typed run (also through
// undo and redo, and after the palette put a mark on it). The bars themselves
// are filled and laid out by the edit layer's RhythmEntry.
#include <QObject>
#include <functional>
#include <memory>

#include "edit/rhythmentry.h"
#include "editor/document/editorshell.h"
#include "model/contentkind.h"

class QLabel;
class QWidget;

namespace sorvel {

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
    // A typed character or Backspace in rhythm entry; true when it was used.
    bool Key(char key);
    bool Backspace();
    // After undo or redo: the cursor goes where the typed run goes on.
    void CursorAfterUndo();

private:
    bool On() const;
    bool MarkKey(char key);
    // After the palette put `tool` on the page, leaving undo state `before`.
    void AfterPalette(TContentKind tool, long before);
    // The stored option: digits take the octave nearest the note before.
    bool NearestOctaveOption() const;
    // One rhythm entry key as one undo step; the cursor follows the entry.
    void Step(const std::function<bool(RhythmEntry&)>& step);
    RhythmEntry& Entry();
    void ShowEntryStatus();

    EditorContext ctx_;
    std::unique_ptr<RhythmEntry> entry_;
    QLabel* label_ = nullptr;
};

// Makes the window's rhythm entry and binds actRhythmEntry, checked when `on`.
RhythmCommands* InstallRhythmCommands(const EditorContext& ctx, bool on);

}  // namespace sorvel
