// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The page's keys in the window: routes the keys meant for the page to the
// page view's tools (not those of a dialog, a menu or a text field, nor
// shortcuts), connects the palette and the page view to each other and the
// page's key entry tool to the window, and shows or hides the key cursor.
#include <QChar>
#include <QObject>

#include "editor/document/editorshell.h"

class QWidget;

namespace sorvel {

class KeyEntryTool;

class KeyCommands : public QObject {
    Q_OBJECT

public:
    explicit KeyCommands(const EditorContext& ctx);
    ~KeyCommands() override;

    // The window's key entry (its child), or none before it was installed.
    static KeyCommands* Of(QWidget& window);

    // Connects the palette and the page view to each other and to the
    // window, and takes the application's keys.
    void ConnectPaletteAndView();
    void ToggleKeyCursor();
    // A typed character (the key map of note entry), and a key going down,
    // from another window; true when a tool of the page used it.
    bool KeyPress(QChar key);
    bool KeyDown(int key, Qt::KeyboardModifiers modifiers);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    EditorContext ctx_;
    KeyEntryTool* keyEntry_ = nullptr;
};

// Makes the window's key entry and binds actDispCursor.
KeyCommands* InstallKeyCommands(const EditorContext& ctx);

}  // namespace sorvel
