// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A tool of the page view: it owns the keys meant for the page while it is
// active, changes the book only through the document's transactions, and
// tells the window what it wants (a redraw, a page, a status line) by signals.
#include <QChar>
#include <QObject>

namespace sorvel {

class PageTool : public QObject {
    Q_OBJECT

public:
    using QObject::QObject;

    // A key going down on the page: `key` as Qt names it, `modifiers`
    // without the keypad's, and `text` the one character it types (null for
    // none). True when the tool used it.
    virtual bool KeyPressed(int key, Qt::KeyboardModifiers modifiers, QChar text) = 0;
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
