// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A tool of the page view: it owns the keys or the mouse on the page while it
// is active, shows what it would do before it commits, changes the book only
// through the document's transactions, and tells the window what it wants (a
// redraw, a page, a status line) by signals.
#include <QChar>
#include <QObject>

class QPainter;
class QRect;

namespace sorvel {

class PageTool : public QObject {
    Q_OBJECT

public:
    using QObject::QObject;

    // A key going down on the page: `key` as Qt names it, `modifiers`
    // without the keypad's, and `text` the one character it types (null for
    // none). True when the tool used it.
    virtual bool KeyPressed(int /*key*/, Qt::KeyboardModifiers /*modifiers*/, QChar /*text*/) {
        return false;
    }
    // The mouse on the page, in page units. The tool that took the press has
    // the moves and the release until the button is let go; moves with no
    // button held go to the tool the palette's choice names.
    virtual void MousePressed(Qt::MouseButton /*button*/, Qt::KeyboardModifiers /*modifiers*/,
                              int /*x*/, int /*y*/) {}
    virtual void MouseMoved(int /*x*/, int /*y*/) {}
    virtual void MouseReleased(int /*x*/, int /*y*/) {}
    // Draws what the tool would do (a rubber band, a floating paste or
    // glyph) over the page image in widget pixels: under the key cursor's
    // mark, and with `overCursor` over it.
    virtual void PaintPreview(QPainter& /*painter*/, const QRect& /*exposed*/,
                              bool /*overCursor*/) {}
    // The page view made it the active tool, or let it go.
    virtual void Activated() {}
    virtual void Deactivated() {}

Q_SIGNALS:
    // What the window shows may have changed: its commands and the page are
    // updated once the event at hand is handled.
    void updateWanted();
};

// The character of the key map a typed `text` stands for (lower case); 0
// for none.
inline char TypedKey(QChar text) {
    return static_cast<char>(text.toLower().toLatin1());
}

// Whether `modifiers` leave a typed character to the page: with Ctrl, Alt
// or Meta held the key is a shortcut.
inline bool TypesText(Qt::KeyboardModifiers modifiers) {
    return (modifiers & ~Qt::ShiftModifier) == Qt::NoModifier;
}

}  // namespace sorvel
