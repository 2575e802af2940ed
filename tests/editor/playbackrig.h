// SPDX-License-Identifier: GPL-3.0-or-later
// A main window whose playback sounds into the capture device on a virtual
// clock, shared by the tests of playing in the editor.
#pragma once

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSpinBox>
#include <QStatusBar>
#include <QtTest>
#include <functional>

#include "editor/pageview/musicpaintbox.h"
#include "editor/pageview/scorepaintbox.h"
#include "editor/playing/frmkeyboard.h"
#include "editor/playing/frmplay.h"
#include "editor/playing/frmtuning.h"
#include "editor/playing/playbackcontroller.h"
#include "mainwindowfixture.h"
#include "model/itemfactory.h"
#include "model/musicbook.h"
#include "model/musicmark.h"
#include "model/musicsheet.h"
#include "model/note.h"
#include "model/preferencesfile.h"
#include "model/undo.h"
#include "playback/capturemidiout.h"
#include "playback/conversion/keyoffset.h"
#include "playback/forwardingmidiout.h"
#include "view/core/pagelayout.h"

namespace sorvel::playtest {

using Bytes = std::vector<std::uint8_t>;

// A main window whose playback sounds into the capture device and whose
// ticks run on a virtual clock, one millisecond per step.
struct Rig {
    // The device outlives the window, which silences it when it closes.
    VirtualTimeSource clock;
    CaptureMidiOut capture{clock};
    MainWindowFixture f;
    PlaybackController* pc = nullptr;

    Rig() {
        pc = FindPlaybackController(*f.window);
        PlaybackEngineOptions options;
        options.devices = [] { return std::vector<MidiOutEntry>{}; };
        options.clock = &clock;
        options.timerDriven = false;
        pc->SetEngine(options);
        pc->UseDevice(std::make_unique<ForwardingMidiOut>(capture));
        Settle();
    }
    TfrmMain& w() { return *f.window; }
    TfrmPlay& dialog() { return pc->PlayDialog(); }
    template <class T>
    T* control(const char* name) {
        return dialog().findChild<T*>(name);
    }
    void Settle() {
        QCoreApplication::processEvents();
        w().ActionListUpdate();
    }
    // Advances the clock by `ms` milliseconds, ticking and delivering the
    // sequencer's queued calls after each; `each` runs after every step.
    template <class F>
    void Run(int ms, F each) {
        for (int i = 0; i < ms && pc->Sequencer().IsPlaying(); ++i) {
            clock.AdvanceMillis(1);
            pc->Sequencer().SequencerTick();
            QCoreApplication::processEvents();
            each();
        }
        QCoreApplication::processEvents();
    }
    void Run(int ms) {
        Run(ms, [] {});
    }

    PageLayout layout() { return PageLayout(w().Workspace().layout); }
    // Ticks without handing the sequencer's queued calls to the GUI thread,
    // until `sent` note-ons of the melody went out: their positions are
    // still on their way.
    void TickUndelivered(std::size_t sent) {
        for (int i = 0; i < 20000 && NoteOns(0).size() < sent; ++i) {
            clock.AdvanceMillis(1);
            pc->Sequencer().SequencerTick();
        }
    }
    // Quarter notes of `digit` along row `row` of `page`, a bar line after each four.
    void Write(TMusicSheet& page, char digit, int count, int row = 0) {
        TUndo& undo = w().Workspace().undo;
        undo.BeginGroup();
        int slot = 1;
        for (int i = 0; i < count; ++i) {
            TNote* note = CreateItem<TNote>(page);
            note->SetContent(std::string(1, digit));
            note->SetPosX(layout().SlotX(slot));
            note->SetPosY(layout().RowBase(row));
            slot += 2;
            if (i % 4 == 3) {
                TBarLine* bar = CreateItem<TBarLine>(page);
                bar->SetContent("c");
                bar->SetPosX(layout().SlotX(slot++));
                bar->SetPosY(layout().RowBase(row));
            }
        }
        undo.EndGroup();
    }
    void FastOwnTempo(int tempo = 240) {
        control<QCheckBox>("chkPlayTempo")->setChecked(false);
        control<QSpinBox>("edtPlayTempo")->setValue(tempo);
    }
    std::vector<Bytes> Shorts() {
        std::vector<Bytes> out;
        for (const auto& m : capture.Messages())
            if (m.kind == CaptureMidiOut::Kind::kShort) out.push_back(m.bytes);
        return out;
    }
    // Note-ons with a velocity on `channel` (0-15), as note numbers.
    std::vector<int> NoteOns(int channel) {
        std::vector<int> notes;
        for (const Bytes& b : Shorts())
            if (b.size() == 3 && b[0] == 0x90 + channel && b[2] != 0) notes.push_back(b[1]);
        return notes;
    }
    bool Sent(Bytes bytes) {
        for (const Bytes& b : Shorts())
            if (b == bytes) return true;
        return false;
    }
    int Offset() { return KeyOffset(*w().CurrentPage()); }
    // The note at a slot of the current page, or none.
    TNote* NoteAt(CursorPos at) {
        TMusicSheet& page = *w().CurrentPage();
        for (int i = 0; i < page.ItemCount(); ++i) {
            TMusicItem* item = page.GetItem(i);
            if (item->PosX() == at.x && item->PosY() == at.y && item->As<TNote>())
                return item->As<TNote>();
        }
        return nullptr;
    }
};

// A device whose sound server can go away and come back: it sounds into the
// capture device while the server is there.
class ServerBoundOut final : public MidiOut {
public:
    ServerBoundOut(CaptureMidiOut& to, const bool& serverUp) : to_(to), serverUp_(serverUp) {}
    void ShortMessage(std::uint32_t message) override { to_.ShortMessage(message); }
    void LongMessage(std::span<const std::uint8_t> bytes) override { to_.LongMessage(bytes); }
    void Reset() override { to_.Reset(); }
    bool Wake() override { return serverUp_; }

private:
    CaptureMidiOut& to_;
    const bool& serverUp_;
};

}  // namespace sorvel::playtest
