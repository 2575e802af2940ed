// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The settings commands of the main window: book settings, page settings and
// options, each shown in the settings dialog. Book and page settings are one
// undo step on OK; options take effect at once and reach the settings file
// when the program closes.
#include <QObject>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "editor/document/editorshell.h"

class QWidget;

namespace sorvel {

class FileAssociation;
class MidiOutput;
class TfrmSetInfo;

class SettingsCommands : public QObject {
    Q_OBJECT

public:
    explicit SettingsCommands(const EditorContext& ctx);
    ~SettingsCommands() override;

    // The window's settings commands (its child), or none before they were
    // installed.
    static SettingsCommands* Of(QWidget& window);

    void SetBookInfo();
    void SetPageInfo();
    void SetOptions();

    // The dialog, made on first use and kept for the rest of the run.
    TfrmSetInfo& Dialog();

    using DeviceLister = std::function<std::vector<std::string>()>;
    using ShortMessageSender = std::function<void(int channel, int status, int data1, int data2)>;
    // Replaces where the device list comes from and where the click buttons
    // sound (tests). Otherwise both are the playback's output; without one
    // the list is the system's devices and the clicks go to an output of this
    // object's own, opened on the stored device while the options are shown.
    void SetMidiServices(DeviceLister lister, ShortMessageSender sender);
    // Replaces the file association (tests point it at a temporary folder).
    void SetAssociation(std::unique_ptr<FileAssociation> association);

Q_SIGNALS:
    // The options dialog closed with OK; the palette already shows the
    // open-string finger glyph and the piano keyboard the key names the
    // options chose.
    void optionsApplied();

private:
    // Book and page mode: one undo group around the dialog.
    void RunLayoutDialog(bool pageMode);
    void SendClick(int channel, int status, int data1, int data2);

    EditorContext ctx_;
    TfrmSetInfo* dialog_ = nullptr;
    DeviceLister lister_;
    ShortMessageSender sender_;
    std::unique_ptr<FileAssociation> association_;
    std::unique_ptr<MidiOutput> clickOutput_;
};

// Binds actSetBookInfo, actSetSeetInfo and actSetOptionInfo of the window.
void InstallSettingsCommands(const EditorContext& ctx);

}  // namespace sorvel
