// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Rhythm entry as a tool of the page: while the key cursor is shown, digits
// type notes of the current length, the length, octave, accidental, grace
// and bar keys change the run, the key map's marks go on the note just
// typed, and Backspace takes the last key back; each key is one transaction
// of the document. The typed run is kept with the undo step it led to, so
// undo and redo give the cursor back where the run goes on. The bars are
// filled and laid out by the edit layer's RhythmEntry.
#include <functional>
#include <memory>

#include "edit/rhythmentry.h"
#include "editor/pageview/pagetool.h"
#include "model/contentkind.h"

namespace sorvel {

class EditorDocument;
class TMusicPaintBox;

class RhythmEntryTool : public PageTool {
    Q_OBJECT

public:
    RhythmEntryTool(EditorDocument& document, TMusicPaintBox& view, QObject* parent = nullptr);
    ~RhythmEntryTool() override;

    bool KeyPressed(int key, Qt::KeyboardModifiers modifiers, QChar text) override;
    void Activated() override;
    void Deactivated() override;

    // A typed character or Backspace; true when it was used (the tool is
    // active, the key cursor shown on a page, the key one of the entry's).
    bool Key(char key);
    bool Backspace();
    // After undo or redo: the cursor goes where the run kept with the state
    // the book is in goes on.
    void AfterUndo();

    // Reads the stored option "digits take the octave nearest the note
    // before" whenever an entry starts; ApplyOctaveOption reads it again.
    void SetOctaveOption(std::function<bool()> read) { octaveOption_ = std::move(read); }
    void ApplyOctaveOption();

    // The entry of the open book; null before its first key.
    const RhythmEntry* Entry() const { return entry_.get(); }

Q_SIGNALS:
    // The page (1-based) the run goes on on should be shown.
    void pageWanted(int pageNo);
    // What the entry met (EntryNotice other than kNone).
    void noticed();
    // The current length or the waiting grace notes may have changed.
    void stepped();

private:
    bool Ready() const;
    // The page shown, 1-based.
    int PageNo() const;
    bool MarkKey(char key);
    // After the palette put `tool` on the page, leaving undo state `before`.
    void AfterPalette(TContentKind tool, long before);
    // One key as one transaction; the cursor follows the entry.
    void Step(const std::function<bool(RhythmEntry&)>& step);
    void ShowNext(const EntryPlace& next);
    RhythmEntry& MakeEntry();

    EditorDocument& document_;
    TMusicPaintBox& view_;
    std::unique_ptr<RhythmEntry> entry_;
    std::function<bool()> octaveOption_;
    bool active_ = false;
};

}  // namespace sorvel
