// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/mainwindow/keycommands.h"

#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTextEdit>
#include <optional>

#include "editor/dialogs/itemdialogs.h"
#include "editor/document/editordocument.h"
#include "editor/mainwindow/rhythmcommands.h"
#include "editor/pageview/musicpaintbox.h"
#include "editor/pageview/scorepaintbox.h"
#include "editor/pageview/scrollintoview.h"
#include "editor/pageview/toolpalette.h"
#include "model/layoutstate.h"
#include "view/core/pagelayout.h"

namespace sorvel {

namespace {

// Widgets where typing means text, not notes, and lists beside the page,
// whose keys move in the list (Escape included).
bool TakesText(const QWidget* widget) {
    return qobject_cast<const QLineEdit*>(widget) || qobject_cast<const QTextEdit*>(widget) ||
           qobject_cast<const QAbstractItemView*>(widget) ||
           qobject_cast<const QAbstractSpinBox*>(widget) ||
           (qobject_cast<const QComboBox*>(widget) &&
            static_cast<const QComboBox*>(widget)->isEditable());
}

}  // namespace

KeyCommands::KeyCommands(const EditorContext& ctx, RhythmCommands& rhythm)
    : QObject(ctx.shell.Window()), ctx_(ctx), rhythm_(rhythm) {
    setObjectName("KeyCommands");
}

KeyCommands::~KeyCommands() = default;

KeyCommands* KeyCommands::Of(QWidget& window) {
    return window.findChild<KeyCommands*>(QString(), Qt::FindDirectChildrenOnly);
}

void KeyCommands::ConnectPaletteAndView() {
    connect(&ctx_.shell.Palette(), &ToolPalette::toolChosen, this,
            [this](TContentKind tool, const std::string& glyph) {
                ctx_.view.SetTool(tool);
                ctx_.view.SetToolGlyph(glyph);
            });
    connect(&ctx_.shell.Palette(), &ToolPalette::pseudoKey, this,
            [this](int key) { ctx_.view.Key(key, Qt::NoModifier); });
    ctx_.view.onPageClickEnded = [this] { ctx_.shell.Palette().PageClickEnded(); };
    ctx_.view.onEditItem = [this](TMusicItem& item) {
        const bool changed = EditItemProperties(ctx_, item);
        ctx_.shell.ScheduleUpdate();
        return changed;
    };
    ctx_.view.onStateChanged = [this] { ctx_.shell.ScheduleUpdate(); };
    ctx_.view.onStatus = [this](const std::string& text) {
        ctx_.shell.ShowStatus(QString::fromStdString(text));
    };
    ctx_.view.onScrollToCursor = [this](CursorPos cursor) {
        // Scroll positions are in widget pixels; the layout works in page units.
        const qreal scale = ctx_.shell.PaintBox().Scale();
        const int y = qRound(cursor.y * scale);
        const int interval = qRound(ctx_.document.Workspace().layout.RowInterval * scale);
        ScrollRowIntoView(ctx_.shell.ScoreArea(), y, interval, RowReveal::kNearestEdge);
    };
    qApp->installEventFilter(this);
}

void KeyCommands::ToggleKeyCursor() {
    if (ctx_.view.KeyCursorShown()) {
        ctx_.view.HideKeyCursor();
        return;
    }
    PageLayout layout(ctx_.document.Workspace().layout);
    ctx_.view.ShowKeyCursor(layout.FirstX(), layout.FirstY());
    ctx_.shell.PaintBox().setFocus();
}

bool KeyCommands::KeyPress(QChar typed) {
    const char key = static_cast<char>(typed.toLower().toLatin1());
    if (key == 0) return false;
    if (rhythm_.Key(key)) return true;
    if (const char code = AccidentalOfKey(key)) {
        // The palette's accidental of that code, typed.
        ctx_.view.SetTool(ckNone);
        ctx_.view.TypeAccidental(code);
        ctx_.shell.ScheduleUpdate();
        return true;
    }
    const std::optional<TypedTool> chosen =
        ToolPalette::ToolOfTypedKey(key, ctx_.document.Workspace().prefs.IsFingerNo00);
    if (key != 'p' && !chosen) return false;
    // Every key of the map drops the tool first, P as well.
    ctx_.view.SetTool(ckNone);
    if (key == 'p') {
        // Playback answers P; until it is there the key does nothing more.
        if (QAction* play = ctx_.shell.Action("actPlayStop"); play && play->isEnabled())
            play->trigger();
        return true;
    }
    if (chosen->pseudoKey != 0) {
        ctx_.view.Key(chosen->pseudoKey, Qt::NoModifier);
    } else {
        ctx_.view.SetTool(chosen->tool);
        ctx_.view.SetToolGlyph(chosen->glyph);
    }
    ctx_.view.ApplyTypedTool();
    ctx_.shell.ScheduleUpdate();
    return true;
}

bool KeyCommands::KeyDown(int key, Qt::KeyboardModifiers modifiers) {
    if (key == Qt::Key_Escape) {
        ctx_.shell.Palette().PressNoTool();
        return true;
    }
    if (key == Qt::Key_Backspace && modifiers == Qt::NoModifier) {
        if (rhythm_.Backspace()) return true;
        if (!ctx_.view.KeyCursorShown()) return false;
        ctx_.view.Key(key, modifiers);
        ctx_.shell.ScheduleUpdate();
        return true;
    }
    switch (key) {
        case Qt::Key_Left:
        case Qt::Key_Right:
        case Qt::Key_Up:
        case Qt::Key_Down:
        case Qt::Key_Delete:
            ctx_.view.Key(key, modifiers);
            ctx_.shell.ScheduleUpdate();
            return true;
        default:
            return false;
    }
}

bool KeyCommands::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress) return QObject::eventFilter(watched, event);
    auto* widget = qobject_cast<QWidget*>(watched);
    // Only keys meant for this window, not for a dialog, a menu or a field.
    if (!widget || widget->window() != ctx_.shell.Window() || QApplication::activePopupWidget() ||
        QApplication::activeModalWidget() || TakesText(widget)) {
        return QObject::eventFilter(watched, event);
    }
    auto* keyEvent = static_cast<QKeyEvent*>(event);
    const Qt::KeyboardModifiers mods = keyEvent->modifiers() & ~Qt::KeypadModifier;
    if (KeyDown(keyEvent->key(), mods)) return true;
    if ((mods & ~Qt::ShiftModifier) != Qt::NoModifier) return false;  // shortcuts
    const QString text = keyEvent->text();
    if (text.size() == 1 && KeyPress(text.front())) return true;
    return QObject::eventFilter(watched, event);
}

KeyCommands* InstallKeyCommands(const EditorContext& ctx, RhythmCommands& rhythm) {
    auto* commands = new KeyCommands(ctx, rhythm);
    commands->ConnectPaletteAndView();
    ctx.shell.BindCommand("actDispCursor", [commands] { commands->ToggleKeyCursor(); });
    return commands;
}

}  // namespace sorvel
