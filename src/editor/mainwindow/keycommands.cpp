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

#include "editor/dialogs/itemdialogs.h"
#include "editor/document/editordocument.h"
#include "editor/pageview/musicpaintbox.h"
#include "editor/pageview/scorepaintbox.h"
#include "editor/pageview/scrollintoview.h"
#include "editor/pageview/toolpalette.h"
#include "editor/pageview/tools/keyentrytool.h"
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

KeyCommands::KeyCommands(const EditorContext& ctx) : QObject(ctx.shell.Window()), ctx_(ctx) {
    setObjectName("KeyCommands");
    keyEntry_ = new KeyEntryTool(ctx_.document, ctx_.view, this);
}

KeyCommands::~KeyCommands() {
    ctx_.view.SetBaseTool(nullptr);
}

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
    // What the page's keys want of the window, connected once.
    ctx_.view.SetBaseTool(keyEntry_);
    connect(keyEntry_, &KeyEntryTool::noToolWanted, this,
            [this] { ctx_.shell.Palette().PressNoTool(); });
    connect(keyEntry_, &KeyEntryTool::playWanted, this, [this] {
        if (QAction* play = ctx_.shell.Action("actPlayStop"); play && play->isEnabled()) {
            play->trigger();
        }
    });
    connect(keyEntry_, &PageTool::updateWanted, this, [this] { ctx_.shell.ScheduleUpdate(); });
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
    return ctx_.view.KeyPressed(0, Qt::NoModifier, typed);
}

bool KeyCommands::KeyDown(int key, Qt::KeyboardModifiers modifiers) {
    return ctx_.view.KeyPressed(key, modifiers, QChar());
}

bool KeyCommands::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress) return QObject::eventFilter(watched, event);
    auto* widget = qobject_cast<QWidget*>(watched);
    // Only keys meant for this window, not for a dialog, a menu or a field.
    if (!widget || widget->window() != ctx_.shell.Window() || QApplication::activePopupWidget() ||
        QApplication::activeModalWidget() || TakesText(widget)) {
        return QObject::eventFilter(watched, event);
    }
    // The page's tools take what is theirs; shortcuts they leave alone.
    auto* keyEvent = static_cast<QKeyEvent*>(event);
    const Qt::KeyboardModifiers mods = keyEvent->modifiers() & ~Qt::KeypadModifier;
    const QString text = keyEvent->text();
    const QChar typed = text.size() == 1 ? text.front() : QChar();
    if (ctx_.view.KeyPressed(keyEvent->key(), mods, typed)) return true;
    return QObject::eventFilter(watched, event);
}

KeyCommands* InstallKeyCommands(const EditorContext& ctx) {
    auto* commands = new KeyCommands(ctx);
    commands->ConnectPaletteAndView();
    ctx.shell.BindCommand("actDispCursor", [commands] { commands->ToggleKeyCursor(); });
    return commands;
}

}  // namespace sorvel
