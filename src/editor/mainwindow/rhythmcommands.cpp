// SPDX-License-Identifier: GPL-3.0-or-later
// The texts of rhythm entry keep the main window's translation context.
#include "editor/mainwindow/rhythmcommands.h"

#include <QAction>
#include <QLabel>

#include "edit/notevalues.h"
#include "editor/dialogs/frmsetinfo.h"
#include "editor/document/editordocument.h"
#include "editor/mainwindow/settingscommands.h"
#include "editor/pageview/musicpaintbox.h"
#include "editor/pageview/tools/rhythmentrytool.h"
#include "editor/platform/ownsettings.h"
#include "editor/platform/translatedtext.h"
#include "model/musicsheet.h"
#include "model/note.h"
#include "model/undo.h"

namespace sorvel {

namespace {

constexpr char kWindowContext[] = "sorvel::TfrmMain";

// "4分音符", "付点8分音符", … for a length in ticks.
QString LengthName(int ticks) {
    struct Name {
        int ticks;
        const char* name;
    };
    static constexpr Name kNames[] = {
        {kQuarterTicks * 4, QT_TRANSLATE_NOOP("sorvel::TfrmMain", "全音符")},
        {kQuarterTicks * 2, QT_TRANSLATE_NOOP("sorvel::TfrmMain", "2分音符")},
        {kQuarterTicks, QT_TRANSLATE_NOOP("sorvel::TfrmMain", "4分音符")},
        {kQuarterTicks / 2, QT_TRANSLATE_NOOP("sorvel::TfrmMain", "8分音符")},
        {kQuarterTicks / 4, QT_TRANSLATE_NOOP("sorvel::TfrmMain", "16分音符")},
        {kQuarterTicks / 8, QT_TRANSLATE_NOOP("sorvel::TfrmMain", "32分音符")},
        {kQuarterTicks / 16, QT_TRANSLATE_NOOP("sorvel::TfrmMain", "64分音符")}};
    for (const Name& n : kNames) {
        if (n.ticks == ticks) return Translated(kWindowContext, n.name);
        if (n.ticks * 3 == ticks * 2)
            return QCoreApplication::translate("sorvel::TfrmMain", "付点%1")
                .arg(Translated(kWindowContext, n.name));
    }
    return QString::number(ticks);
}

// The status line for what the entry met; empty when there is nothing to say.
QString NoticeText(const RhythmEntry& entry) {
    switch (entry.Notice()) {
        case EntryNotice::kNone:
            break;
        case EntryNotice::kBackToRun:
            return QCoreApplication::translate("sorvel::TfrmMain", "入力中の%1ページに戻りました。")
                .arg(entry.Next().page + 1);
        case EntryNotice::kAfterMusic:
            return QCoreApplication::translate("sorvel::TfrmMain",
                                               "音符の後から新しい小節を始めます。");
        case EntryNotice::kMusicAhead:
            return QCoreApplication::translate("sorvel::TfrmMain",
                                               "この先には音符があるため、入力できません。");
        case EntryNotice::kPickup:
            return QCoreApplication::translate(
                "sorvel::TfrmMain", "弱起の小節を閉じました。次の音符から小節が始まります。");
        case EntryNotice::kShortBar:
            return QCoreApplication::translate("sorvel::TfrmMain", "小節を短く閉じました。");
        case EntryNotice::kGraceWaits:
            return QCoreApplication::translate(
                "sorvel::TfrmMain", "装飾音の後には、それを付ける音符を入力してください。");
        case EntryNotice::kGraceNoAccidental:
            return QCoreApplication::translate("sorvel::TfrmMain",
                                               "装飾音には臨時記号を付けられません。");
        case EntryNotice::kGraceFull:
            return QCoreApplication::translate("sorvel::TfrmMain", "装飾音は４つまでです。");
    }
    return {};
}

// The grace notes waiting for their note as numbered notation writes them
// ("5 1'"), and "…" when g waits for a digit.
QString WaitingGraceText(const RhythmEntry& entry) {
    QStringList digits;
    for (const RhythmEntry::Grace& g : entry.WaitingGraces()) {
        QString digit(QChar::fromLatin1(g.digit));
        digit += QString(std::max(0, g.octave), '\'') + QString(std::max(0, -g.octave), ',');
        digits << digit;
    }
    if (entry.GraceArmed()) digits << QStringLiteral("…");
    return digits.join(' ');
}

}  // namespace

RhythmCommands::RhythmCommands(const EditorContext& ctx) : QObject(ctx.shell.Window()), ctx_(ctx) {
    setObjectName("RhythmCommands");
    label_ = new QLabel;
    label_->setObjectName("lblRhythmEntry");
    label_->hide();
    ctx_.shell.AddStatusWidget(label_);
    tool_ = new RhythmEntryTool(ctx_.document, ctx_.view, this);
    tool_->SetOctaveOption([this] { return NearestOctaveOption(); });
    // What the tool wants of the window, connected once: the page the run
    // goes on on, the status line, the length shown, the commands updated.
    connect(tool_, &RhythmEntryTool::pageWanted, this,
            [this](int pageNo) { ctx_.shell.ShowPage(pageNo, false); });
    connect(tool_, &RhythmEntryTool::noticed, this, [this] { ShowNotice(); });
    connect(tool_, &RhythmEntryTool::stepped, this, [this] { ShowEntryStatus(); });
    connect(tool_, &PageTool::updateWanted, this, [this] { ctx_.shell.ScheduleUpdate(); });
    if (SettingsCommands* settings = SettingsCommands::Of(*ctx_.shell.Window())) {
        connect(settings, &SettingsCommands::optionsApplied, tool_,
                [this] { tool_->ApplyOctaveOption(); });
    }
}

RhythmCommands::~RhythmCommands() = default;

RhythmCommands* RhythmCommands::Of(QWidget& window) {
    return window.findChild<RhythmCommands*>(QString(), Qt::FindDirectChildrenOnly);
}

bool RhythmCommands::On() const {
    const QAction* action = ctx_.shell.Action("actRhythmEntry");
    return action && action->isChecked();
}

bool RhythmCommands::NearestOctaveOption() const {
    return setting::kRhythmNearestOctave.Read(ctx_.shell.SettingsPath());
}

void RhythmCommands::Toggle() {
    const bool on = On();
    if (on) {
        ctx_.view.ActivateTool(tool_);
    } else if (ctx_.view.ActiveTool() == tool_) {
        ctx_.view.ActivateTool(nullptr);
    }
    label_->setVisible(on);
    // The keys besides the digits, shown once as entry starts and kept on the
    // length shown.
    const QString keys = QCoreApplication::translate(
        "sorvel::TfrmMain",
        "x z: オクターブ　c v: 長さ　# b n: 臨時記号　g: 装飾音　/: 小節を閉じる");
    label_->setToolTip(keys);
    if (on) ctx_.shell.ShowStatus(keys);
    ShowEntryStatus();
}

void RhythmCommands::ShowEntryStatus() {
    const RhythmEntry* entry = tool_->Entry();
    const int current = entry ? entry->CurrentTicks() : kQuarterTicks;
    const int next = entry ? entry->NextTicks() : current;
    // Right after a dotted note the next note completes it; the current
    // length follows it.
    QString text =
        next != current
            ? QCoreApplication::translate("sorvel::TfrmMain", "リズム入力: %1（付点の後）→ %2")
                  .arg(LengthName(next), LengthName(current))
            : QCoreApplication::translate("sorvel::TfrmMain", "リズム入力: %1")
                  .arg(LengthName(current));
    if (entry && (entry->GraceArmed() || !entry->WaitingGraces().empty())) {
        text += QCoreApplication::translate("sorvel::TfrmMain", "　装飾音 %1")
                    .arg(WaitingGraceText(*entry));
    }
    label_->setText(text);
}

void RhythmCommands::ShowNotice() {
    if (const RhythmEntry* entry = tool_->Entry()) {
        if (const QString notice = NoticeText(*entry); !notice.isEmpty()) {
            ctx_.shell.ShowStatus(notice);
        }
    }
}

void RhythmCommands::CursorAfterUndo() {
    if (On()) tool_->AfterUndo();
}

RhythmCommands* InstallRhythmCommands(const EditorContext& ctx, bool on) {
    auto* commands = new RhythmCommands(ctx);
    ctx.shell.BindCommand("actRhythmEntry", [commands] { commands->Toggle(); });
    ctx.shell.Action("actRhythmEntry")->setChecked(on);
    commands->Toggle();
    return commands;
}

}  // namespace sorvel
