// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The page view: shows one page of the open book on the paint box, keeps the
// off-screen page image, the selection, the current item and the key cursor
// state, and hit-tests. Its tools (tools/) take the mouse and the keys.
#include <QChar>
#include <QImage>
#include <QObject>
#include <QTimer>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "edit/placemarkonnote.h"
#include "model/contentkind.h"
#include "model/modelenv.h"
#include "model/rinjimarktbl.h"
#include "model/selectedmusicitemlist.h"
#include "view/core/pagelayout.h"

class QPainter;
class QRect;

namespace sorvel {

class TMusicBook;
class TNote;
class TMusicSheet;
class TMusicItem;
class Workspace;
class EditorDocument;
class PageTool;
class PasteTool;
class PlacementTool;
class ScorePaintBox;
class SelectTool;

// Pseudo keys of the octave and length buttons (and keys z x c v).
inline constexpr int kKeyOctaveUp = 10001;
inline constexpr int kKeyOctaveDown = 10002;
inline constexpr int kKeyShorter = 10003;
inline constexpr int kKeyLonger = 10004;

// The accidental code a typed key puts on a note: "#" sharp, "b" flat, "n"
// natural; 0 for any other key.
char AccidentalOfKey(char key);

// What the status line says when a placement is refused (UTF-8), translated
// in kPaintBoxContext.
inline constexpr char kPaintBoxContext[] = "PaintBox";
inline constexpr char kMsgCoveredByTextBox[] =
    QT_TRANSLATE_NOOP("PaintBox", "テキストボックスが重なっているため、ここには置けません。");
inline constexpr char kMsgItemTakesNoTool[] =
    QT_TRANSLATE_NOOP("PaintBox", "この位置にある記号には置けません。");
inline constexpr char kMsgNeedsNote[] =
    QT_TRANSLATE_NOOP("PaintBox", "この記号は音符の上に置いてください。");
inline constexpr char kMsgNotOnNote[] =
    QT_TRANSLATE_NOOP("PaintBox", "この記号は音符の上には置けません。");
inline constexpr char kMsgNotOnDash[] =
    QT_TRANSLATE_NOOP("PaintBox", "この記号は伸ばしの「－」には付けられません。");
inline constexpr char kMsgNotOnRest[] =
    QT_TRANSLATE_NOOP("PaintBox", "この記号は休符には付けられません。");
inline constexpr char kMsgPasteOffPage[] =
    QT_TRANSLATE_NOOP("PaintBox", "ページからはみ出すため、ここには貼り付けられません。");
inline constexpr char kMsgPasteNeedsNote[] =
    QT_TRANSLATE_NOOP("PaintBox", "記号だけを貼り付けるときは、音符の上でクリックしてください。");
inline constexpr char kMsgPasteOnItem[] =
    QT_TRANSLATE_NOOP("PaintBox", "この位置にある記号には貼り付けられません。");

// The octave and accidental the piano keyboard gives the note it enters.
struct KeyedPitch {
    int octave = 0;
    std::string rinji;
};

// What one placement of the tool did.
struct Placed {
    bool done = false;      // the page changed, as one undo step
    TNote* note = nullptr;  // the note a note tool created or rewrote (the first of several)
};

class TMusicPaintBox {
public:
    // The page view edits `document`'s book only through its transactions.
    TMusicPaintBox(EditorDocument& document, ScorePaintBox& paintBox);
    ~TMusicPaintBox();
    TMusicPaintBox(const TMusicPaintBox&) = delete;
    TMusicPaintBox& operator=(const TMusicPaintBox&) = delete;

    // Makes `page` the page shown and its layout the current layout; the same
    // page again does nothing. No page clears the current item and selection.
    void SetPage(TMusicSheet* page);
    TMusicSheet* Page() const { return page_; }
    // Takes the shown page's layout over again (after undo, or after another
    // page's layout was made current in passing).
    void RetakePageSettings();

    // Rebuilds the page image (white page, grid when shown, the page) and
    // shows it; `dragPositions` draws selected items where a drag has them.
    void Redraw(bool dragPositions = false);
    // How many times the page image was rebuilt: a listener that wants the
    // page redrawn after a change can tell whether that happened already.
    long RedrawCount() const { return redraws_; }
    // Sizes the paint box to the current page size.
    void SizeToPage();

    void SetZoom(int percent);
    int Zoom() const;

    TSelectedMusicItemList& Selection() { return selection_; }
    void ClearSelection();
    TMusicItem* CurrentItem() const { return currentItem_; }
    void SetCurrentItem(TMusicItem* item) { currentItem_ = item; }

    void SelectAll();
    // Selects those of `items` that are on the shown page, and nothing else.
    void SelectItems(const std::vector<TMusicItem*>& items);
    // Deletes the selected items as one undo step and redraws.
    void DeleteSelection();

    // ---- tools ----
    TContentKind Tool() const { return tool_; }
    void SetTool(TContentKind tool);
    const std::string& ToolGlyph() const { return toolGlyph_; }
    void SetToolGlyph(const std::string& glyph);

    // ---- tools that own the page's keys ----
    // The tool the page's keys go to under every other (not owned).
    void SetBaseTool(PageTool* tool) { baseTool_ = tool; }
    // Makes `tool` (not owned; null for none) the active tool: keys go to it
    // first, and those it leaves to the base tool.
    void ActivateTool(PageTool* tool);
    PageTool* ActiveTool() const { return activeTool_; }
    // A key meant for the page (see PageTool::KeyPressed); true when a tool
    // used it.
    bool KeyPressed(int key, Qt::KeyboardModifiers modifiers, QChar text);

    // ---- key cursor ----
    bool KeyCursorShown() const { return blink_.isActive(); }
    CursorPos KeyCursor() const { return cursor_; }
    // Snaps (x, y) to a slot and shows the blinking cursor there.
    void ShowKeyCursor(int x, int y);
    void HideKeyCursor();

    // ---- paste ----
    // The page that holds what is being pasted, with each item's offset
    // from the paste origin; the view places it with the next click.
    // Each buffer item's dragX/dragY hold its offset from the paste origin.
    TMusicSheet& PasteBuffer() { return *pasteSheet_; }
    // Offset of a single copied mark from its note, kept for pasting it
    // onto another note.
    int pasteMarkOffsetX = 0, pasteMarkOffsetY = 0;
    // Starts the floating paste of the buffer: shown at once at the mouse
    // when it is over the page, else at the key cursor or the first slot.
    void BeginFloatingPaste();

    // Called for every note the view creates or changes (the note monitor,
    // the piano keyboard's current note).
    std::function<void(TMusicItem*)> onNoteEntered;
    // Called after every mouse-up on the page (a one-shot tool is dropped).
    std::function<void()> onPageClickEnded;
    // Called after the key cursor stepped, to scroll it into sight.
    std::function<void(CursorPos)> onScrollToCursor;
    // Called on a double-click with the item under the mouse; true when
    // the book changed (the item dialogs).
    std::function<bool(TMusicItem&)> onEditItem;
    // Called whenever the selection or the key cursor changed, so the
    // window can recompute what its commands may do.
    std::function<void()> onStateChanged;
    // Called with a line for the status bar (UTF-8), e.g. why a placement
    // was refused.
    std::function<void(const std::string&)> onStatus;
    // Called after a click on the page placed `tool` as one undo step that
    // left undo state `before`.
    std::function<void(TContentKind tool, long before)> onToolPlaced;
    // Draws over the shown page, in page units, what is shown with the page
    // but is not part of the book (a checked take's marks).
    std::function<void(QPainter& painter, const TMusicSheet& page)> pageOverlay;

    // ---- mouse and keys (positions in page units) ----
    // The mouse goes to the tool the palette's choice names: none selects,
    // a tool is placed, the copied items are pasted. The tool that took a
    // press keeps the moves and the release.
    void MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, int x, int y);
    void MouseMove(int x, int y);
    void MouseUp(int x, int y);
    // Whether a tool holds the mouse (a button went down on the page).
    bool PressHeld() const { return pressTool_ != nullptr; }
    // Opens the dialog of the item under the mouse, when it has one.
    void DoubleClick();
    // Arrows, Delete, Backspace, and the pseudo keys kKeyOctaveUp ...
    // kKeyLonger. With the key cursor shown, Backspace deletes what stands
    // in the slot before the cursor and steps back there.
    void Key(int key, Qt::KeyboardModifiers modifiers);
    // A typed accidental key ("#", "b", "n"): the palette's accidental of
    // that code, applied as a typed tool.
    void TypeAccidental(char code);
    // After the keyboard chose a tool and glyph: places it at the key
    // cursor (which steps on unless the placement was refused), applies it
    // once to each selected note, or shows it floating; then no tool is left.
    // `keyed` is the piano keyboard's pitch for a note tool.
    void ApplyTypedTool(const KeyedPitch* keyed = nullptr);
    // The piano keyboard's entry: the note `digit` with `pitch` typed at the
    // key cursor, as one undo step. The note is not passed to the note
    // monitor (the keyboard sounded it already).
    Placed EnterKeyedNote(const std::string& digit, const KeyedPitch& pitch);
    // Applies the keyboard's tool to `note` (on the shown page) as one undo
    // step; then no tool is left. Rhythm entry puts typed marks on the note
    // just typed this way.
    void ApplyTypedToolTo(TNote& note);
    // While on, a plain click anywhere on a row shows the key cursor at the
    // nearest slot, not only a click close to one.
    void SetNearestSlotClicks(bool on) { nearestSlotClicks_ = on; }
    bool NearestSlotClicks() const { return nearestSlotClicks_; }
    // Moves the cursor position (the key cursor's, and where a floating
    // glyph or paste shows) without showing the key cursor.
    void MoveCursorTo(CursorPos at) { cursor_ = at; }
    // Shows the palette's glyph or the paste floating at `at`.
    void FloatAt(CursorPos at);
    bool FloatingShown() const { return floatingShown_; }
    // Selects `item` with the marks linked to it when it is a note.
    void SelectWithLinks(TMusicItem* item);
    // Tells the window the selection or the key cursor changed.
    void StateChanged();
    ScorePaintBox& Box() { return box_; }
    // The size of "8" in the page's note font, by which marks are placed.
    EightSize MarkEightSize() const;

    // Places the current tool at a page position (snapped) as one undo step:
    // a new symbol on an empty slot, the tool applied to the note there (and
    // the other selected notes), the paste buffer, or a bar line or beat
    // rewritten. A placement that cannot be made is refused and onStatus
    // says why. Mouse clicks, typed keys and the piano keyboard all place
    // through here. With `keyed`, a note tool's note takes that pitch in the
    // same step and is not passed to the note monitor.
    Placed PlaceTool(CursorPos position, Qt::MouseButton button, const KeyedPitch* keyed = nullptr);

    // The first item hit at (x, y): pixel tests for drawn spans, boxes for
    // the rest.
    TMusicItem* HitTest(int x, int y);
    // Where a slur or triplet starting at `note` ends: the x of the n-th
    // following note (sustain dashes do not count); -1 when there is none.
    int SlurEnd(const TNote& note, int n, bool stopAtBarLines) const;

    // The last page image, at the resolution it is shown with.
    const QImage& Image() const { return image_; }

private:
    // Redraws asked for while it lives are made once, when it ends: one user
    // action that is several steps (a typed note) draws the page once.
    class HeldRedraw {
    public:
        explicit HeldRedraw(TMusicPaintBox& view);
        ~HeldRedraw();
        HeldRedraw(const HeldRedraw&) = delete;
        HeldRedraw& operator=(const HeldRedraw&) = delete;

    private:
        TMusicPaintBox& view_;
    };

    void Paint(QPainter& painter, const QRect& exposed);
    void PaintOverlays(QPainter& painter, const QRect& exposed);
    bool PixelHit(TMusicItem& item, int x, int y);
    // The tool the mouse goes to while no button is held.
    PageTool& MouseTool();
    Placed PlaceOnEmptySlot(CursorPos at, const KeyedPitch* keyed);
    Placed PlaceOnNote(Qt::MouseButton button, const KeyedPitch* keyed);
    Placed ApplyToNotes(const std::vector<TMusicItem*>& targets, Qt::MouseButton button,
                        const KeyedPitch* keyed);
    // ApplyToNotes's change, inside its transaction.
    Placed PlaceToolOnNotes(const std::vector<TMusicItem*>& targets, Qt::MouseButton button,
                            const KeyedPitch* keyed);
    Placed RewriteBarOrBeat();
    void ApplyToSelectedNotes();
    bool PastePlacement(CursorPos at);
    void Refuse(const char* message);
    // Where a floating glyph or paste first shows: the snapped mouse over the
    // page, else the key cursor when shown, else the first slot.
    CursorPos FloatingStart() const;
    void DoubleClickOnPage();
    void StepKeyCursor(int key, Qt::KeyboardModifiers modifiers);
    void StepBackDeleting();
    void ChangeSelectedNotes(int key);
    void ChangeNoteAtCursor(int key);
    // The note the keys typed last, while the key cursor stands where that
    // typing left it and the book is as it left it; null otherwise. The
    // octave, length, accidental and mark keys act on it.
    TNote* JustTyped() const;
    void RememberTyped(TNote* note);
    void NoteEntered(TMusicItem* item);
    // Width and height of `text` in the header font at the note size, as the
    // page image's canvas measures them.
    QSize MeasureInPageFont(const std::string& text) const;
    TMusicItem* NoteAtSlot(int x, int y);
    void DrawPageOn(QPainter& painter, bool dragPositions);
    qreal DeviceScale() const;

    EditorDocument& document_;
    Workspace& ws_;
    ScorePaintBox& box_;
    TMusicSheet* page_ = nullptr;
    QImage image_;
    // Whether the image holds the page at the shown scale; past the size
    // limit the page is drawn straight onto the widget instead.
    bool imageCurrent_ = false;
    bool dragPositions_ = false;
    int redrawHeld_ = 0;
    long redraws_ = 0;
    bool redrawWanted_ = false;
    TRinjiMarkTbl rinji_;
    TSelectedMusicItemList selection_;
    TMusicItem* currentItem_ = nullptr;
    TContentKind tool_ = ckNone;
    std::string toolGlyph_;
    PageTool* baseTool_ = nullptr;
    PageTool* activeTool_ = nullptr;
    CursorPos cursor_{0, 0};
    QTimer blink_;
    bool cursorMarkVisible_ = false;
    // The mouse's tools, and the one that holds the press.
    std::unique_ptr<SelectTool> selectTool_;
    std::unique_ptr<PlacementTool> placementTool_;
    std::unique_ptr<PasteTool> pasteTool_;
    PageTool* pressTool_ = nullptr;
    bool floatingShown_ = false;
    bool nearestSlotClicks_ = false;
    // Set when a double-click on the page opened an item dialog: the press
    // of that double-click, which the widget delivers after it, is dropped.
    // The release ending the double-click clears it.
    bool swallowDoubleClickPress_ = false;
    struct Typed {
        TNote* note = nullptr;
        CursorPos after{0, 0};  // the key cursor right after it
        long state = -1;        // the undo state it was typed or changed in
    };
    Typed justTyped_;
    ModelEnv pasteEnv_;  // the buffer's changes are never recorded
    std::unique_ptr<TMusicBook> pasteBook_;
    TMusicSheet* pasteSheet_ = nullptr;
};

}  // namespace sorvel
