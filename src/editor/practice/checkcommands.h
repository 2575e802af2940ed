// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The Tools menu's check of a take against the page: a recording of the book
// or of the page shown, heard on a worker thread, aligned with the written
// notes and shown as marks over the page and a list beside it. The marks are
// never part of the book; any change of the book clears them.
#include <QObject>
#include <QString>
#include <functional>
#include <optional>

#include "editor/document/editorshell.h"
#include "editor/practice/checkoverlay.h"

class QProgressDialog;
class QWidget;

namespace sorvel {

class CheckListDock;

struct CheckDialogs {
    // The open dialog for recordings in `folder`; empty when cancelled.
    std::function<QString(QWidget* parent, const QString& folder)> askRecordingPath;
    // What the take holds: 0 the whole book, else the page (1-based) shown,
    // `page`; none when cancelled.
    std::function<std::optional<int>(QWidget* parent, int page)> askScope;
    // Called once the progress dialog is shown (tests cancel there).
    std::function<void(QProgressDialog&)> progressShown;

    static CheckDialogs Standard();
};

class CheckCommands : public QObject {
    Q_OBJECT
public:
    explicit CheckCommands(const EditorContext& ctx);

    void SetDialogs(CheckDialogs dialogs) { dialogs_ = std::move(dialogs); }

    // Asks for the recording and what it holds, and checks it.
    void CheckRecording();
    // Checks the recording at `path` against `page` (0: the whole book);
    // false, with the reason shown (none when cancelled), when it cannot.
    bool CheckPath(const QString& path, int page);
    // Shows a check of the open book: marks over its pages, the list.
    void ShowCheck(practice::TakeCheck check);
    // Marks the notes of a check still under way on the page; the list
    // waits for the end.
    void ShowMarks(practice::TakeCheck check);
    void ClearCheck();
    // Shows the note of the check's `index`: its page, selected, in sight.
    void ShowNote(int index);

    const CheckOverlay& Overlay() const { return overlay_; }
    CheckListDock& List() { return *dock_; }

private:
    QString Summary() const;

    EditorContext ctx_;
    CheckDialogs dialogs_;
    CheckOverlay overlay_;
    CheckListDock* dock_;
};

// The commands installed on the window `main`, or nullptr.
CheckCommands* FindCheckCommands(QObject& main);

}  // namespace sorvel
