// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The File menu's transcription commands: a recording on disk, or a take
// recorded in the record dialog, heard on a worker thread and opened as a new
// unsaved book with its summary and the notes to check selected.
#include <QObject>
#include <QString>
#include <functional>
#include <string>
#include <vector>

#include "editor/document/editorshell.h"
#include "editor/listening/frmrecord.h"
#include "editor/listening/hearingtask.h"

class QProgressDialog;
class QWidget;

namespace sorvel {

class TNote;
namespace listen {
struct TranscribeOptions;
}

struct TranscribeDialogs {
    // The open dialog for recordings in `folder`; empty when cancelled.
    std::function<QString(QWidget* parent, const QString& folder)> askRecordingPath;
    // The record dialog; true with the take when recording was stopped.
    std::function<bool(QWidget* parent, const std::string& settingsPath, RecordedTake& take)>
        record;
    // Called once the progress dialog is shown (tests cancel there).
    std::function<void(QProgressDialog&)> progressShown;

    static TranscribeDialogs Standard();
};

inline constexpr char kRecordingOpenFilter[] =
    QT_TRANSLATE_NOOP("FileDialogs", "録音(*.wav *.flac *.ogg *.mp3);;すべてのファイル(*.*)");

class TranscribeCommands : public QObject {
    Q_OBJECT
public:
    explicit TranscribeCommands(const EditorContext& ctx);

    void SetDialogs(TranscribeDialogs dialogs) { dialogs_ = std::move(dialogs); }

    // Asks for the file (after the save prompt) and transcribes it.
    void OpenRecording();
    // Asks to save changes, records a take and transcribes it.
    void Record();
    // The recording at `path` as the new open book; false, with the reason
    // shown (none when cancelled) and the open book untouched, when it
    // cannot be transcribed.
    bool TranscribePath(const QString& path);
    // A recorded take as the new open book, as TranscribePath.
    bool TranscribeTake(const RecordedTake& take);

private:
    bool Open(const HearingOutcome& heard, const listen::TranscribeOptions& options,
              const std::string& title);
    // Shows the first page with notes to check and selects them there;
    // the lines of the box that say where they are.
    QString SelectUncertain(const std::vector<TNote*>& notes);

    EditorContext ctx_;
    TranscribeDialogs dialogs_;
};

// Creates the commands and binds "actTranscribeFile" and "actRecordTranscribe".
void InstallTranscribeCommands(const EditorContext& ctx);

}  // namespace sorvel
