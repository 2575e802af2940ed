// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's keyboard entry and the link between the palette and the
// page view: keys reach the window before its controls, typed characters
// choose tools by the key map, the rest goes to the page view.
#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTextEdit>
#include <optional>

#include "editor/dialogs/itemdialogs.h"
#include "editor/mainwindow/frmmain.h"
#include "editor/pageview/musicpaintbox.h"
#include "editor/pageview/scorepaintbox.h"
#include "editor/pageview/scrollintoview.h"
#include "editor/pageview/toolpalette.h"
#include "model/layoutstate.h"
#include "view/core/pagelayout.h"

namespace sorvel {

namespace {

// Widgets where typing means text, not notes.
bool TakesText(const QWidget* widget) {
    return qobject_cast<const QLineEdit*>(widget) || qobject_cast<const QTextEdit*>(widget) ||
           qobject_cast<const QAbstractSpinBox*>(widget) ||
           (qobject_cast<const QComboBox*>(widget) &&
            static_cast<const QComboBox*>(widget)->isEditable());
}

}  // namespace

void TfrmMain::ConnectPaletteAndView() {
    connect(pcTool_, &ToolPalette::toolChosen, this,
            [this](TContentKind tool, const std::string& glyph) {
                view_->SetTool(tool);
                view_->SetToolGlyph(glyph);
            });
    connect(pcTool_, &ToolPalette::pseudoKey, this,
            [this](int key) { view_->Key(key, Qt::NoModifier); });
    view_->onPageClickEnded = [this] { pcTool_->PageClickEnded(); };
    view_->onEditItem = [this](TMusicItem& item) {
        const bool changed = EditItemProperties(Context(), item);
        ScheduleUpdate();
        return changed;
    };
    view_->onStateChanged = [this] { ScheduleUpdate(); };
    view_->onStatus = [this](const std::string& text) { ShowStatus(QString::fromStdString(text)); };
    view_->onScrollToCursor = [this](CursorPos cursor) {
        // Scroll positions are in widget pixels; the layout works in page units.
        const qreal scale = pbScore1_->Scale();
        const int y = qRound(cursor.y * scale);
        const int interval = qRound(Workspace().layout.RowInterval * scale);
        ScrollRowIntoView(*sbScore1_, y, interval, RowReveal::kNearestEdge);
    };
    qApp->installEventFilter(this);
}

void TfrmMain::ToggleKeyCursor() {
    if (view_->KeyCursorShown()) {
        view_->HideKeyCursor();
        return;
    }
    PageLayout layout(Workspace().layout);
    view_->ShowKeyCursor(layout.FirstX(), layout.FirstY());
    pbScore1_->setFocus();
}

bool TfrmMain::KeyPress(QChar typed) {
    const char key = static_cast<char>(typed.toLower().toLatin1());
    if (key == 0) return false;
    if (RhythmKey(key)) return true;
    if (const char code = AccidentalOfKey(key)) {
        // The palette's accidental of that code, typed.
        view_->SetTool(ckNone);
        view_->TypeAccidental(code);
        ScheduleUpdate();
        return true;
    }
    const std::optional<TypedTool> chosen =
        ToolPalette::ToolOfTypedKey(key, Workspace().prefs.IsFingerNo00);
    if (key != 'p' && !chosen) return false;
    // Every key of the map drops the tool first, P as well.
    view_->SetTool(ckNone);
    if (key == 'p') {
        // Playback answers P; until it is there the key does nothing more.
        if (QAction* play = Action("actPlayStop"); play && play->isEnabled()) play->trigger();
        return true;
    }
    if (chosen->pseudoKey != 0) {
        view_->Key(chosen->pseudoKey, Qt::NoModifier);
    } else {
        view_->SetTool(chosen->tool);
        view_->SetToolGlyph(chosen->glyph);
    }
    view_->ApplyTypedTool();
    ScheduleUpdate();
    return true;
}

bool TfrmMain::KeyDown(int key, Qt::KeyboardModifiers modifiers) {
    if (key == Qt::Key_Escape) {
        pcTool_->PressNoTool();
        return true;
    }
    if (key == Qt::Key_Backspace && modifiers == Qt::NoModifier) {
        if (RhythmBackspace()) return true;
        if (!view_->KeyCursorShown()) return false;
        view_->Key(key, modifiers);
        ScheduleUpdate();
        return true;
    }
    switch (key) {
        case Qt::Key_Left:
        case Qt::Key_Right:
        case Qt::Key_Up:
        case Qt::Key_Down:
        case Qt::Key_Delete:
            view_->Key(key, modifiers);
            ScheduleUpdate();
            return true;
        default:
            return false;
    }
}

bool TfrmMain::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress) return QMainWindow::eventFilter(watched, event);
    auto* widget = qobject_cast<QWidget*>(watched);
    // Only keys meant for this window, not for a dialog, a menu or a field.
    if (!widget || widget->window() != this || QApplication::activePopupWidget() ||
        QApplication::activeModalWidget() || TakesText(widget)) {
        return QMainWindow::eventFilter(watched, event);
    }
    auto* keyEvent = static_cast<QKeyEvent*>(event);
    const Qt::KeyboardModifiers mods = keyEvent->modifiers() & ~Qt::KeypadModifier;
    if (KeyDown(keyEvent->key(), mods)) return true;
    if ((mods & ~Qt::ShiftModifier) != Qt::NoModifier) return false;  // shortcuts
    const QString text = keyEvent->text();
    if (text.size() == 1 && KeyPress(text.front())) return true;
    return QMainWindow::eventFilter(watched, event);
}

}  // namespace sorvel
