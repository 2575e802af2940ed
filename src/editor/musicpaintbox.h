#pragma once
// The page view: shows one page of the open book on the paint box, keeps the
// off-screen page image, the selection, the current item and the key cursor
// state. Editing by mouse and keyboard builds on it.
#include <QImage>
#include <QObject>
#include <QTimer>
#include <functional>
#include <memory>
#include <string>

#include "model/contentkind.h"
#include "model/modelenv.h"
#include "model/rinjimarktbl.h"
#include "model/selectedmusicitemlist.h"
#include "view/core/pagelayout.h"

class QPainter;
class QRect;

namespace sorvel {

class TMusicBook;
class TMusicSheet;
class TMusicItem;
class TWorkspace;
class ScorePaintBox;

// Pseudo keys of the octave and length buttons (and keys z x c v).
inline constexpr int kKeyOctaveUp = 10001;
inline constexpr int kKeyOctaveDown = 10002;
inline constexpr int kKeyShorter = 10003;
inline constexpr int kKeyLonger = 10004;

class TMusicPaintBox {
public:
    TMusicPaintBox(TWorkspace& workspace, ScorePaintBox& paintBox);
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
    // Sizes the paint box to the current page size.
    void SizeToPage();

    void SetZoom(int percent);
    int Zoom() const;

    TSelectedMusicItemList& Selection() { return selection_; }
    void ClearSelection();
    TMusicItem* CurrentItem() const { return currentItem_; }
    void SetCurrentItem(TMusicItem* item) { currentItem_ = item; }

    void SelectAll();
    // Deletes the selected items as one undo step and redraws.
    void DeleteSelection();

    // ---- tools ----
    TContentKind Tool() const { return tool_; }
    void SetTool(TContentKind tool);
    const std::string& ToolGlyph() const { return toolGlyph_; }
    void SetToolGlyph(const std::string& glyph);

    // ---- key cursor ----
    bool KeyCursorShown() const { return blink_.isActive(); }
    CursorPos KeyCursor() const { return cursor_; }
    // Snaps (x, y) to a slot and shows the blinking cursor there.
    void ShowKeyCursor(int x, int y);
    void HideKeyCursor();

    // ---- paste ----
    // The page that holds what is being pasted, with each item's offset
    // from the paste origin; the view places it with the next click.
    TMusicSheet& PasteBuffer() { return *pasteSheet_; }
    // Offset of a single copied mark from its note, kept for pasting it
    // onto another note.
    int pasteMarkOffsetX = 0, pasteMarkOffsetY = 0;
    // Starts the floating paste of the buffer at the mouse position.
    void BeginFloatingPaste();

    // Called for every note the view creates or changes (the note monitor,
    // the piano keyboard's current note).
    std::function<void(TMusicItem*)> onNoteEntered;
    // Called after every mouse-up on the page (a one-shot tool is dropped).
    std::function<void()> onPageClickEnded;
    // Called on a double-click with the item under the mouse; true when
    // the book changed (the item dialogs).
    std::function<bool(TMusicItem&)> onEditItem;
    // Called whenever the selection or the key cursor changed, so the
    // window can recompute what its commands may do.
    std::function<void()> onStateChanged;

    // The last page image, at the resolution it is shown with.
    const QImage& Image() const { return image_; }

private:
    void Paint(QPainter& painter, const QRect& exposed);
    void DrawPageOn(QPainter& painter, bool dragPositions);
    qreal DeviceScale() const;

    TWorkspace& ws_;
    ScorePaintBox& box_;
    TMusicSheet* page_ = nullptr;
    QImage image_;
    // Whether the image holds the page at the shown scale; past the size
    // limit the page is drawn straight onto the widget instead.
    bool imageCurrent_ = false;
    bool dragPositions_ = false;
    TRinjiMarkTbl rinji_;
    TSelectedMusicItemList selection_;
    TMusicItem* currentItem_ = nullptr;
    TContentKind tool_ = ckNone;
    std::string toolGlyph_;
    CursorPos cursor_{0, 0};
    QTimer blink_;
    bool cursorMarkVisible_ = false;
    TModelEnv pasteEnv_;  // the buffer's changes are never recorded
    std::unique_ptr<TMusicBook> pasteBook_;
    TMusicSheet* pasteSheet_ = nullptr;
};

}  // namespace sorvel
