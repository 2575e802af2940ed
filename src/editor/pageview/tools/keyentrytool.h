// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The page's own keys, under any other tool: Esc drops the palette's tool,
// arrows step the key cursor (or change the selected notes), Delete and
// Backspace take notes away, typed accidentals and the key map's characters
// place their tool at the key cursor, and P asks for playback.
#include "editor/pageview/pagetool.h"

namespace sorvel {

class EditorDocument;
class TMusicPaintBox;

class KeyEntryTool : public PageTool {
    Q_OBJECT

public:
    KeyEntryTool(EditorDocument& document, TMusicPaintBox& view, QObject* parent = nullptr);

    bool KeyPressed(int key, Qt::KeyboardModifiers modifiers, QChar text) override;

Q_SIGNALS:
    // Esc: the palette's tool is dropped (a floating paste with it).
    void noToolWanted();
    // P: playback starts or stops where it may.
    void playWanted();

private:
    bool KeyDown(int key, Qt::KeyboardModifiers modifiers);
    bool Typed(char key);

    EditorDocument& document_;
    TMusicPaintBox& view_;
};

}  // namespace sorvel
