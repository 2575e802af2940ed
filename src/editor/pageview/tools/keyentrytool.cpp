// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/pageview/tools/keyentrytool.h"

#include <optional>

#include "editor/document/editordocument.h"
#include "editor/pageview/musicpaintbox.h"
#include "editor/pageview/toolpalette.h"

namespace sorvel {

KeyEntryTool::KeyEntryTool(EditorDocument& document, TMusicPaintBox& view, QObject* parent)
    : PageTool(parent), document_(document), view_(view) {
    setObjectName("KeyEntryTool");
}

bool KeyEntryTool::KeyPressed(int key, Qt::KeyboardModifiers modifiers, QChar text) {
    if (KeyDown(key, modifiers)) return true;
    if (!TypesText(modifiers) || text.isNull()) return false;
    return Typed(TypedKey(text));
}

bool KeyEntryTool::KeyDown(int key, Qt::KeyboardModifiers modifiers) {
    if (key == Qt::Key_Escape) {
        Q_EMIT noToolWanted();
        return true;
    }
    if (key == Qt::Key_Backspace && modifiers == Qt::NoModifier) {
        if (!view_.KeyCursorShown()) return false;
        view_.Key(key, modifiers);
        Q_EMIT updateWanted();
        return true;
    }
    switch (key) {
        case Qt::Key_Left:
        case Qt::Key_Right:
        case Qt::Key_Up:
        case Qt::Key_Down:
        case Qt::Key_Delete:
            view_.Key(key, modifiers);
            Q_EMIT updateWanted();
            return true;
        default:
            return false;
    }
}

bool KeyEntryTool::Typed(char key) {
    if (key == 0) return false;
    if (const char code = AccidentalOfKey(key)) {
        // The palette's accidental of that code, typed.
        view_.SetTool(ckNone);
        view_.TypeAccidental(code);
        Q_EMIT updateWanted();
        return true;
    }
    const std::optional<TypedTool> chosen =
        ToolPalette::ToolOfTypedKey(key, document_.Workspace().prefs.IsFingerNo00);
    if (key != 'p' && !chosen) return false;
    // Every key of the map drops the tool first, P as well.
    view_.SetTool(ckNone);
    if (key == 'p') {
        Q_EMIT playWanted();
        return true;
    }
    if (chosen->pseudoKey != 0) {
        view_.Key(chosen->pseudoKey, Qt::NoModifier);
    } else {
        view_.SetTool(chosen->tool);
        view_.SetToolGlyph(chosen->glyph);
    }
    view_.ApplyTypedTool();
    Q_EMIT updateWanted();
    return true;
}

}  // namespace sorvel
