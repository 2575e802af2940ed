// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The main window: the page view of the open document, the menus, page bar,
// toolbar and status bar, undo and redo, and the settings read at start and
// written at close. The commands live in their families (FileCommands, …).
#include <QHash>
#include <QMainWindow>
#include <QTimer>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "editor/dialogs/editordialogs.h"
#include "editor/document/editordocument.h"
#include "editor/document/editorshell.h"
#include "editor/mainwindow/booknames.h"
#include "editor/mainwindow/filecommands.h"
#include "editor/mainwindow/keycommands.h"
#include "editor/platform/recoverycontroller.h"
#include "model/workspace.h"
#include "playback/midioutput.h"
#include "print/printermetrics.h"

class QAction;
class QMimeData;
class QLabel;
class QMenu;
class QScrollArea;
class QVBoxLayout;

namespace sorvel {

class RhythmCommands;
class ScorePaintBox;
class TMusicPaintBox;
class ToolPalette;
class RecoveryController;

// What the window takes from outside: the program's path and arguments, and
// for tests the answers of its dialogs, the printer and the folders.
struct MainWindowOptions {
    std::string executablePath;
    std::vector<std::string> arguments;  // arguments[0] is a score to open
    std::string settingsPath;            // empty: beside the executable (or XDG)
    EditorDialogs dialogs = EditorDialogs::Standard();
    std::optional<PrinterMetrics> printer;  // empty: the default printer
    bool recoveryCopies = true;
    std::string recoveryFolder;                         // empty: the user's XDG state folder
    RecoveryController::AskFunction recoveryAsk;        // empty: the message box
    RecoveryController::InformFunction recoveryInform;  // empty: the message box
    // The MIDI output devices in device-number order; empty: the system's
    // (the synthesizer, then the ALSA ports). Tests give the capture device.
    MidiOutEnumerator midiOutputs;
    // The interface language's code ("en", "zh_CN", "zh_TW"); empty or "ja":
    // Japanese. Chooses the help pages.
    std::string language;
};

// Messages of the window, translated in kMainWindowContext.
inline constexpr char kMainWindowContext[] = "sorvel::TfrmMain";
inline constexpr char kMsgNoPrinter[] =
    QT_TRANSLATE_NOOP("sorvel::TfrmMain",
                      "デフォルトのプリンターが登録されていませんので、印刷はできません。\r\n\r\n"
                      "印刷以外の操作は通常通り行えます。");
inline constexpr int kMaxMainWindowWidth = 1028;

class TfrmMain : public QMainWindow, public EditorShell {
    Q_OBJECT
public:
    explicit TfrmMain(MainWindowOptions options, QWidget* parent = nullptr);
    ~TfrmMain() override;

    // Offers the recovery copies of an editor that did not end cleanly; run
    // once the window is shown.
    void OfferRecovery() { files_->OfferRecovery(); }
    // The file commands (new, open, save …) of this window.
    FileCommands& Files() { return *files_; }

    // ---- state ----
    EditorDocument& Document() { return *document_; }
    Workspace& Workspace() { return document_->Workspace(); }
    TMusicBook& Book() { return document_->Book(); }
    TMusicPaintBox& View() { return *view_; }
    ScorePaintBox& PaintBox() override { return *pbScore1_; }
    QScrollArea& ScoreArea() override { return *sbScore1_; }
    QString FileName() const { return document_->FileName(); }
    int PageNo() const override { return pageNo_; }
    bool IsModified() const { return document_->IsModified(); }
    const std::string& SettingsPath() const override { return settingsPath_; }
    QString DialogFolder() const override { return files_->DialogFolder(); }
    void UseDialogFolder(const QString& chosen) override { files_->UseDialogFolder(chosen); }
    QAction* Action(const QString& name) const override { return actions_.value(name); }
    QWidget* Window() override { return this; }
    void UpdateActions() override { ActionListUpdate(); }
    void MidiSettingsChanged() override { Q_EMIT midiSettingsChanged(); }
    void OnMidiSettingsChanged(QObject* receiver, std::function<void()> listener) override;
    // Recomputes the enabling of every action (also runs after each event
    // that may change it).
    void ActionListUpdate();
    void ScheduleUpdate() override;

    // ---- undo and redo; the file commands are FileCommands ----
    void Undo();
    void Redo();
    // The save prompt; true when the command may go on.
    bool SavePrompt() override { return files_->SavePrompt(); }

    // ---- pages (the page commands are PageCommands) ----
    void ShowPage(int pageNo, bool fromTop) override;

    // ---- view ----
    void SetZoom(int percent);
    void ZoomStep(int steps);
    TMusicSheet* CurrentPage() const override;
    void RefreshCurrentPage() override { ShowCurrentPage(); }
    void ShowStatus(const QString& text) override;
    void AddStatusWidget(QWidget* widget) override;

    // ---- keyboard entry (KeyCommands) ----
    bool KeyPress(QChar key) override { return keys_->KeyPress(key); }
    bool KeyDown(int key, Qt::KeyboardModifiers modifiers) override {
        return keys_->KeyDown(key, modifiers);
    }
    ToolPalette& Palette() override { return *pcTool_; }

    // ---- commands of the other windows ----
    // Binds an action of the menus or bars to its command and its rule; an
    // action without a command stays disabled, so no enabled entry does nothing.
    void BindCommand(const QString& actionName, std::function<void()> command,
                     EnabledRule enabled = nullptr) override;
    // The actions of the menus and bars that have no command (none, once the
    // window is built).
    QStringList UnboundActions() const;
    PrinterMetrics& Printer() override { return printer_; }
    const EditorDialogs& Dialogs() const override { return options_.dialogs; }
    EditorContext Context() { return EditorContext{*document_, *view_, *this}; }
    const MidiOutEnumerator& MidiOutputs() const override { return options_.midiOutputs; }
    bool IsPlaying() const override { return playing_; }
    void SetPlaying(bool playing) override;

Q_SIGNALS:
    // The options dialog changed the MIDI settings (device, instrument,
    // clicks): the playback side reopens or reprograms its output.
    void midiSettingsChanged();

protected:
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void ReadSettings();
    void WriteSettings();
    void BuildWindow();
    void StartRecoveryCopies();
    void BuildActions();
    void BuildMenus();
    void BuildToolBar();
    void BuildPageBar(QWidget* parent, QVBoxLayout* layout);
    void BuildStatusBar();
    void BindHandlers();
    QAction* MakeAction(const char* name, const QString& caption, const char* shortcut);
    void SetTitle();
    void ConnectDocument();
    void BookReplaced();
    void AfterUndoStep();
    void ShowCurrentPage();
    void ResetScroll();
    void ToggleGridSnap();
    void ToggleGridDisplay();
    void ToggleNoteMonitor();
    // Each window or command family that lives in its own files binds its
    // actions here (one line each).
    void InstallCommandFamilies();

    MainWindowOptions options_;
    std::unique_ptr<EditorDocument> document_;
    std::string settingsPath_;
    PrinterMetrics printer_;
    int pageNo_ = 1;
    bool playing_ = false;
    bool redrawAfterChange_ = false;
    long redrawsAtChange_ = 0;
    QHash<QString, QAction*> actions_;
    // The actions whose command exists, with the rule of when each applies.
    QHash<QString, EnabledRule> bound_;
    QMenu* mnuReOpen_ = nullptr;
    QScrollArea* sbScore1_ = nullptr;
    ScorePaintBox* pbScore1_ = nullptr;
    std::unique_ptr<TMusicPaintBox> view_;
    QLabel* pnlPage_ = nullptr;
    ToolPalette* pcTool_ = nullptr;
    QLabel* zoomLabel_ = nullptr;
    QLabel* recoveryLabel_ = nullptr;  // shown while recovery copies cannot be written
    FileCommands* files_ = nullptr;    // the window's children
    RhythmCommands* rhythm_ = nullptr;
    KeyCommands* keys_ = nullptr;
    RecoveryController* recovery_ = nullptr;
    QTimer updateTimer_;
};

}  // namespace sorvel
