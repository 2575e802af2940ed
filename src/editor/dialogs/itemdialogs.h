// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Editing one item's properties in its dialog, as a double-click on the page
// asks: daon marks, multi-bar rests, text boxes, tempo marks and notes each
// have a dialog; other items have none. The dialog's changes are one undo
// step; a cancelled dialog leaves the item and the history as they were.
#include <QObject>
#include <memory>

#include "editor/document/editorshell.h"

namespace sorvel {

class TMusicItem;
class TfrmSetBarNum;
class TfrmSetNote;
class TfrmSetTempo;
class TfrmSetText;
class TfrmSetdaon;

// Whether the item's kind has a property dialog.
bool HasPropertyDialog(const TMusicItem& item);

// Opens the dialog of the item's kind on it, modally, inside one undo group,
// then redraws the page view. Returns true when the book changed; false (and
// nothing changed, nothing recorded) when the kind has no dialog or the
// dialog was cancelled. After any dialog has been shown (HasPropertyDialog),
// the page view is to ignore its next mouse press, which belongs to the
// closing click.
bool EditItemProperties(const EditorContext& ctx, TMusicItem& item);

// The five dialogs of a main window, each made on first use and kept for the
// rest of the run. Found as the window's child.
class ItemDialogs : public QObject {
    Q_OBJECT

public:
    explicit ItemDialogs(const EditorContext& ctx);
    ~ItemDialogs() override;

    static ItemDialogs& Of(const EditorContext& ctx);

    TfrmSetdaon& Daon();
    TfrmSetBarNum& BarNum();
    TfrmSetText& Text();
    TfrmSetTempo& Tempo();
    TfrmSetNote& Note();

private:
    EditorContext ctx_;
    QWidget* parent_;
    TfrmSetdaon* daon_ = nullptr;
    TfrmSetBarNum* barNum_ = nullptr;
    TfrmSetText* text_ = nullptr;
    TfrmSetTempo* tempo_ = nullptr;
    TfrmSetNote* note_ = nullptr;
};

}  // namespace sorvel
