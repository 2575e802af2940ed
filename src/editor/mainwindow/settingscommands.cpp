// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/mainwindow/settingscommands.h"

#include <QCoreApplication>
#include <QFile>

#include "edit/pageoperations.h"
#include "editor/dialogs/frmsetinfo.h"
#include "editor/document/editordocument.h"
#include "editor/pageview/musicpaintbox.h"
#include "editor/pageview/toolpalette.h"
#include "editor/platform/fileassociation.h"
#include "editor/playing/frmkeyboard.h"
#include "editor/playing/playbackcontroller.h"
#include "playback/midioutput.h"

namespace sorvel {

namespace {

// The program's icon at the sizes the desktop looks for.
std::vector<AssociationIcon> ProgramIcons() {
    std::vector<AssociationIcon> icons;
    for (int size : {48, 256}) {
        QFile file(QStringLiteral(":/icons/sorvel-%1.png").arg(size));
        if (file.open(QIODevice::ReadOnly)) icons.push_back({size, file.readAll().toStdString()});
    }
    return icons;
}

}  // namespace

SettingsCommands::SettingsCommands(const EditorContext& ctx)
    : QObject(ctx.shell.Window()), ctx_(ctx) {
    setObjectName("SettingsCommands");
}

SettingsCommands::~SettingsCommands() = default;

SettingsCommands* SettingsCommands::Of(QWidget& window) {
    return window.findChild<SettingsCommands*>(QString(), Qt::FindDirectChildrenOnly);
}

TfrmSetInfo& SettingsCommands::Dialog() {
    if (!dialog_) {
        SetInfoServices services;
        services.showError = ctx_.shell.Dialogs().showError;
        services.listMidiOutputs = [this] {
            if (lister_) return lister_();
            if (PlaybackController* playback = FindPlaybackController(*ctx_.shell.Window())) {
                return playback->Output().ListMidiOutputs();
            }
            return MidiOutput().ListMidiOutputs();
        };
        services.sendShortMessage = [this](int channel, int status, int data1, int data2) {
            SendClick(channel, status, data1, data2);
        };
        if (!association_) {
            association_ = std::make_unique<FileAssociation>(
                AssociationPlaces::FromEnvironment(),
                QCoreApplication::applicationFilePath().toStdString(), ProgramIcons());
        }
        services.association = association_.get();
        services.settingsPath = ctx_.shell.SettingsPath();
        dialog_ =
            new TfrmSetInfo(ctx_.document.Workspace(), std::move(services), ctx_.shell.Window());
    }
    return *dialog_;
}

void SettingsCommands::SetMidiServices(DeviceLister lister, ShortMessageSender sender) {
    lister_ = std::move(lister);
    sender_ = std::move(sender);
}

void SettingsCommands::SetAssociation(std::unique_ptr<FileAssociation> association) {
    association_ = std::move(association);
    if (dialog_) {
        // The dialog keeps a plain pointer; it is made again with the new one.
        delete dialog_;
        dialog_ = nullptr;
    }
}

void SettingsCommands::SendClick(int channel, int status, int data1, int data2) {
    if (sender_) {
        sender_(channel, status, data1, data2);
        return;
    }
    // The program's one output when playback has it open; otherwise an
    // output of this object's own on the stored device, for the dialog only.
    if (PlaybackController* playback = FindPlaybackController(*ctx_.shell.Window());
        playback && playback->DeviceOpen()) {
        playback->Output().SendShortMessage(channel, status, data1, data2);
        return;
    }
    if (!clickOutput_) {
        clickOutput_ = std::make_unique<MidiOutput>();
        clickOutput_->ChooseMidiOutput(ctx_.document.Workspace().prefs.DeviceID);
    }
    clickOutput_->SendShortMessage(channel, status, data1, data2);
}

void SettingsCommands::RunLayoutDialog(bool pageMode) {
    TMusicSheet* page = ctx_.shell.CurrentPage();
    if (!page) return;
    // The dialog only collects; an OK applies it in one transaction.
    const bool accepted = Dialog().Execute(pageMode ? SetInfoMode::Page : SetInfoMode::Book,
                                           pageMode ? page : nullptr);
    if (accepted) {
        ctx_.document.Edit(pageMode ? "page settings" : "book settings", [&](Transaction& t) {
            Dialog().Apply();
            // A dialog that changed nothing leaves the page's bar lines alone
            // too, so an OK without changes adds no undo step.
            if (!t.Empty()) {
                PlaceBlankPageBarLines(*page, [this] { ctx_.shell.Palette().PressNoTool(); });
            }
        });
    }
    ctx_.view.RetakePageSettings();
    ctx_.shell.RefreshCurrentPage();
    ctx_.shell.UpdateActions();
}

void SettingsCommands::SetBookInfo() {
    RunLayoutDialog(false);
}

void SettingsCommands::SetPageInfo() {
    RunLayoutDialog(true);
}

void SettingsCommands::SetOptions() {
    TfrmSetInfo& dialog = Dialog();
    const bool accepted = dialog.Execute(SetInfoMode::Option);
    // The click output serves the dialog only.
    clickOutput_.reset();
    if (accepted) {
        dialog.Apply();  // the options are no part of the book
        ctx_.shell.Palette().RefreshFingerButton(ctx_.document.Workspace().prefs.IsFingerNo00);
        if (PlaybackController* playback = FindPlaybackController(*ctx_.shell.Window())) {
            playback->KeyBoard().DrawKeyboard();  // key names shown or not
        }
        if (dialog.MidiSettingsChanged()) ctx_.shell.MidiSettingsChanged();
        Q_EMIT optionsApplied();
    }
    ctx_.view.Redraw();
    ctx_.shell.UpdateActions();
}

void InstallSettingsCommands(const EditorContext& ctx) {
    auto* commands = new SettingsCommands(ctx);
    ctx.shell.BindCommand("actSetBookInfo", [commands] { commands->SetBookInfo(); });
    ctx.shell.BindCommand("actSetSeetInfo", [commands] { commands->SetPageInfo(); });
    ctx.shell.BindCommand("actSetOptionInfo", [commands] { commands->SetOptions(); });
}

}  // namespace sorvel
