// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a command family needs of the window it lives in, besides the
// document and the page view: binding its actions, the dialogs' parent and
// answers, messages, which page is shown, the keys of note entry and the
// state of playback. The main window implements it; command families and the
// playback windows never see the window class itself.
#include <QChar>
#include <QObject>
#include <QString>
#include <functional>
#include <string>

#include "editor/dialogs/editordialogs.h"
#include "playback/midioutput.h"

class QAction;
class QScrollArea;
class QWidget;

namespace sorvel {

class EditorDocument;
class ScorePaintBox;
class TMusicPaintBox;
class TMusicSheet;
class ToolPalette;
struct PrinterMetrics;

class EditorShell {
public:
    virtual ~EditorShell() = default;

    // The window, as the parent of dialogs.
    virtual QWidget* Window() = 0;
    virtual const EditorDialogs& Dialogs() const = 0;
    // Whether an action applies now; asked each time the window recomputes
    // the enabling of its actions.
    using EnabledRule = std::function<bool()>;
    // Binds an action of the menus or bars to its command and the rule of
    // when it applies (none: whenever the command exists). An action name
    // the window does not have, or one bound twice, is a programming error:
    // it throws.
    virtual void BindCommand(const QString& actionName, std::function<void()> command,
                             EnabledRule enabled = nullptr) = 0;
    virtual QAction* Action(const QString& name) const = 0;
    // Recomputes the enabling of every action (after a change of the
    // selection or of what a command family offers).
    virtual void UpdateActions() = 0;
    // The same once the event at hand is handled, with the page drawn again
    // if a change of the document left it undrawn.
    virtual void ScheduleUpdate() = 0;
    virtual void ShowStatus(const QString& text) = 0;
    // Places a lasting label at the right of the status bar.
    virtual void AddStatusWidget(QWidget* widget) = 0;

    // The page shown (1-based) and its object.
    virtual int PageNo() const = 0;
    virtual TMusicSheet* CurrentPage() const = 0;
    virtual void ShowPage(int pageNo, bool fromTop) = 0;
    // Shows the current page again after its layout or size changed.
    virtual void RefreshCurrentPage() = 0;
    // The widget the page is painted on and the scroll area around it.
    virtual ScorePaintBox& PaintBox() = 0;
    virtual QScrollArea& ScoreArea() = 0;

    // Note entry from another window: a typed character (the key map of
    // typed tools) and a key going down; true when the key was used.
    virtual bool KeyPress(QChar key) = 0;
    virtual bool KeyDown(int key, Qt::KeyboardModifiers modifiers) = 0;

    // The save prompt; true when the command may go on.
    virtual bool SavePrompt() = 0;
    virtual ToolPalette& Palette() = 0;
    virtual PrinterMetrics& Printer() = 0;
    virtual const std::string& SettingsPath() const = 0;
    // The folder a file dialog opens in, and the folder of the file the
    // player chose in one, to open in next time.
    virtual QString DialogFolder() const = 0;
    virtual void UseDialogFolder(const QString& chosenFile) = 0;
    // The options changed the MIDI settings (device, instrument, clicks).
    virtual void MidiSettingsChanged() = 0;
    // Calls `listener` after each such change, for as long as `receiver` lives.
    virtual void OnMidiSettingsChanged(QObject* receiver, std::function<void()> listener) = 0;
    // The MIDI output devices in device-number order; empty: the system's.
    virtual const MidiOutEnumerator& MidiOutputs() const = 0;
    // Playback started or stopped: the commands that wait for it are updated.
    virtual void SetPlaying(bool playing) = 0;
    virtual bool IsPlaying() const = 0;
};

// The rule of the commands that bring another book or page while none may
// come: whenever the book is not playing.
inline EditorShell::EnabledRule NotPlaying(const EditorShell& shell) {
    return [&shell] { return !shell.IsPlaying(); };
}

// What every command family works with.
struct EditorContext {
    EditorDocument& document;
    TMusicPaintBox& view;
    EditorShell& shell;
};

}  // namespace sorvel
