// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Note entry from the keyboard and the palette: keys meant for the page reach
// it before the window's controls, typed characters choose tools by the key
// map (rhythm entry first), the palette's choice goes to the page view, and
// the key cursor is shown or hidden.
#include <QChar>
#include <QObject>

#include "editor/document/editorshell.h"

class QWidget;

namespace sorvel {

class RhythmCommands;

class KeyCommands : public QObject {
    Q_OBJECT

public:
    KeyCommands(const EditorContext& ctx, RhythmCommands& rhythm);
    ~KeyCommands() override;

    // The window's key entry (its child), or none before it was installed.
    static KeyCommands* Of(QWidget& window);

    // Connects the palette and the page view to each other and to the
    // window, and takes the application's keys.
    void ConnectPaletteAndView();
    void ToggleKeyCursor();
    // A typed character (the key map of note entry); true when it was used.
    bool KeyPress(QChar key);
    // A key going down: Esc drops the tool, the rest reach the page view.
    bool KeyDown(int key, Qt::KeyboardModifiers modifiers);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    EditorContext ctx_;
    RhythmCommands& rhythm_;
};

// Makes the window's key entry and binds actDispCursor.
KeyCommands* InstallKeyCommands(const EditorContext& ctx, RhythmCommands& rhythm);

}  // namespace sorvel
