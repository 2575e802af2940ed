// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A main window for tests: its own settings file and folders, the fallback
// printer, and scripted answers instead of modal dialogs.
#include <QStringList>
#include <QTemporaryDir>
#include <deque>
#include <memory>

#include "editor/dialogs/newbookdialog.h"
#include "editor/mainwindow/frmmain.h"
#include "playback/capturemidiout.h"
#include "playback/forwardingmidiout.h"

namespace sorvel {

struct ScriptedDialogs {
    std::deque<SaveAnswer> saveAnswers;
    std::deque<QString> openPaths;
    std::deque<QString> savePaths;  // an empty string cancels the dialog
    // The folders the open and save dialogs opened in, the names proposed.
    QStringList openFolders, saveFolders, saveProposals;
    QStringList errors;
    QStringList infos;
    std::deque<bool> yesNoAnswers;  // none left: No
    QStringList questions;
    int saveQuestions = 0;
    // The new-book dialog's answers (nothing: cancelled); none left: what
    // the dialog gives for Enter. With realNewBookDialog the dialog shows.
    std::deque<std::optional<NewBookSetup>> newBookAnswers;
    int newBookQuestions = 0;
    bool realNewBookDialog = false;

    EditorDialogs Make() {
        EditorDialogs d;
        d.askSaveChanges = [this](QWidget*) {
            ++saveQuestions;
            if (saveAnswers.empty()) return SaveAnswer::Cancel;
            SaveAnswer a = saveAnswers.front();
            saveAnswers.pop_front();
            return a;
        };
        d.askOpenPath = [this](QWidget*, const QString& folder) {
            openFolders << folder;
            if (openPaths.empty()) return QString();
            QString p = openPaths.front();
            openPaths.pop_front();
            return p;
        };
        d.askSavePath = [this](QWidget*, const QString& folder, const QString& proposal) {
            saveFolders << folder;
            saveProposals << proposal;
            if (savePaths.empty()) return QString();
            QString p = savePaths.front();
            savePaths.pop_front();
            return p;
        };
        d.showError = [this](QWidget*, const QString& text) { errors << text; };
        d.showInfo = [this](QWidget*, const QString& text) { infos << text; };
        d.askYesNo = [this](QWidget*, const QString& text) {
            questions << text;
            if (yesNoAnswers.empty()) return false;
            const bool yes = yesNoAnswers.front();
            yesNoAnswers.pop_front();
            return yes;
        };
        d.askNewBook = [this](QWidget* parent) -> std::optional<NewBookSetup> {
            ++newBookQuestions;
            if (realNewBookDialog) return NewBookDialog::Ask(parent);
            if (newBookAnswers.empty()) return NewBookDialog(parent).Setup();
            std::optional<NewBookSetup> a = newBookAnswers.front();
            newBookAnswers.pop_front();
            return a;
        };
        return d;
    }
};

class MainWindowFixture {
public:
    MainWindowFixture() { Start(); }

    void Start(std::vector<std::string> arguments = {}) {
        window.reset();
        MainWindowOptions options;
        options.executablePath = dir.filePath("sorvel").toStdString();
        options.settingsPath = SettingsPath().toStdString();
        options.arguments = std::move(arguments);
        options.dialogs = dialogs.Make();
        options.printer = PrinterMetrics{};
        options.recoveryCopies = recovery;
        options.recoveryFolder = RecoveryFolder().toStdString();
        options.recoveryInform = [this](QWidget*, const QString& text) { recoveryInforms << text; };
        options.recoveryAsk = [this](QWidget*, const QString& text) {
            recoveryQuestions << text;
            return restoreAnswer ? RecoveryController::RestoreAnswer::Restore
                                 : RecoveryController::RestoreAnswer::Discard;
        };
        // Never the system's synthesizer or sound server: two devices (tests
        // choose the second one too), both recorded by the capture device.
        options.midiOutputs = [this] {
            auto capture = [this]() -> std::unique_ptr<MidiOut> {
                return std::make_unique<ForwardingMidiOut>(midiCapture);
            };
            return std::vector<MidiOutEntry>{{"capture", capture}, {"capture 2", capture}};
        };
        window = std::make_unique<TfrmMain>(std::move(options));
    }

    QString RecoveryFolder() const { return dir.filePath("recovery"); }
    QString SettingsPath() const { return dir.filePath("sorvelini"); }
    QString Path(const QString& name) const { return dir.filePath(name); }

    QTemporaryDir dir;
    // What the window's MIDI output received; it outlives the window.
    VirtualTimeSource midiClock;
    CaptureMidiOut midiCapture{midiClock};
    ScriptedDialogs dialogs;
    bool recovery = false;
    bool restoreAnswer = false;
    QStringList recoveryQuestions;
    QStringList recoveryInforms;
    std::unique_ptr<TfrmMain> window;
};

}  // namespace sorvel
