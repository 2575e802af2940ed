#pragma once
// The page view: shows one page of the open book on the paint box, keeps the
// off-screen page image, the selection, the current item and the key cursor
// state. Editing by mouse and keyboard builds on it.
#include <QImage>

#include "model/rinjimarktbl.h"
#include "model/selectedmusicitemlist.h"

class QPainter;
class QRect;

namespace sorvel {

class TMusicSheet;
class TMusicItem;
class TWorkspace;
class ScorePaintBox;

class TMusicPaintBox {
public:
    TMusicPaintBox(TWorkspace& workspace, ScorePaintBox& paintBox);
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

    bool KeyCursorShown() const { return keyCursorShown_; }
    void HideKeyCursor() { keyCursorShown_ = false; }

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
    bool keyCursorShown_ = false;
};

}  // namespace sorvel
