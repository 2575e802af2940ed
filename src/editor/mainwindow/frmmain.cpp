// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/mainwindow/frmmain.h"

#include <QAction>
#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPalette>
#include <QScrollArea>
#include <QScrollBar>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>
#include <stdexcept>

#include "base/cp932.h"
#include "editor/listening/transcribecommands.h"
#include "editor/mainwindow/actiontable.h"
#include "editor/mainwindow/editcommands.h"
#include "editor/mainwindow/helpcommands.h"
#include "editor/mainwindow/musicxmlcommands.h"
#include "editor/mainwindow/pagecommands.h"
#include "editor/mainwindow/playbackcommands.h"
#include "editor/mainwindow/printcommands.h"
#include "editor/mainwindow/rhythmcommands.h"
#include "editor/mainwindow/settingscommands.h"
#include "editor/mainwindow/toolbaricons.h"
#include "editor/pageview/musicpaintbox.h"
#include "editor/pageview/scorepaintbox.h"
#include "editor/pageview/toolpalette.h"
#include "editor/platform/ownsettings.h"
#include "editor/platform/recoverycontroller.h"
#include "editor/platform/translatedtext.h"
#include "editor/practice/practicecommands.h"
#include "model/preferencesfile.h"
#include "model/readerlimits.h"
#include "model/scorefile.h"
#include "view/qt/musicfont.h"

namespace sorvel {

namespace {

// Zoom steps of Ctrl++ and Ctrl+-.
constexpr int kZoomSteps[] = {50, 67, 75, 100, 125, 150, 200, 300, 400};

}  // namespace

TfrmMain::TfrmMain(MainWindowOptions options, QWidget* parent)
    : QMainWindow(parent), options_(std::move(options)) {
    setObjectName("TfrmMain");
    settingsPath_ = options_.settingsPath.empty() ? SettingsFilePath(options_.executablePath)
                                                  : options_.settingsPath;
    document_ = std::make_unique<EditorDocument>();
    sorvel::Workspace& ws = document_->Workspace();
    SetTitle();
    InstallMusicFont();
    pageNo_ = 1;

    printer_ = options_.printer ? *options_.printer : ReadDefaultPrinterMetrics();
    if (!printer_.canPrint) options_.dialogs.showInfo(this, tr(kMsgNoPrinter));
    ws.layout.PageWidth = printer_.PageWidthUnits();
    ws.layout.PageHeight = printer_.PageHeightUnits();

    ReadSettings();
    ws.undo.onMessage = [this](const UserText& text) {
        options_.dialogs.showError(this, Translated(text));
    };
    // The new book was made before the settings were read: it takes their layout.
    document_->ReplaceWithNewBook();
    // An edit that would make the book unreadable to the score reader is
    // taken back, so that the book on screen can always be saved and opened.
    document_->checkStep = [](const TMusicBook& book) {
        const std::optional<ReaderLimitBreach> breach = ReaderLimitBroken(book);
        return breach ? Translated(breach->message).toStdString() : std::string();
    };

    BuildWindow();

    view_ = std::make_unique<TMusicPaintBox>(*document_, *pbScore1_);
    pbScore1_->SetZoom(setting::kZoom.Read(settingsPath_));
    connect(pbScore1_, &ScorePaintBox::zoomStepRequested, this, &TfrmMain::ZoomStep);
    view_->SetPage(CurrentPage());
    pnlPage_->setText("1");
    view_->Redraw();
    setAcceptDrops(true);
    ConnectDocument();
    BindHandlers();
    InstallCommandFamilies();

    updateTimer_.setSingleShot(true);
    connect(&updateTimer_, &QTimer::timeout, this, &TfrmMain::ActionListUpdate);

    if (options_.recoveryCopies) StartRecoveryCopies();

    if (!options_.arguments.empty()) files_->OpenNativePath(options_.arguments[0]);
    ActionListUpdate();
}

// The actions, menus and bars, and the central column: palette, page bar and
// the scrolled page.
void TfrmMain::BuildWindow() {
    auto* central = new QWidget(this);
    auto* column = new QVBoxLayout(central);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    BuildActions();
    BuildMenus();
    BuildToolBar();
    pcTool_ = new ToolPalette(central);
    pcTool_->RefreshFingerButton(Workspace().prefs.IsFingerNo00);
    pcTool_->ShowSpareTabs(setting::kShowSpareTabs.Read(settingsPath_));
    column->addWidget(pcTool_);
    BuildPageBar(central, column);
    sbScore1_ = new QScrollArea(central);
    sbScore1_->setObjectName("sbScore1");
    sbScore1_->setBackgroundRole(QPalette::Dark);
    pbScore1_ = new ScorePaintBox;
    sbScore1_->setWidget(pbScore1_);
    column->addWidget(sbScore1_, 1);
    setCentralWidget(central);
    BuildStatusBar();
}

// Recovery copies follow every change of the document.
void TfrmMain::StartRecoveryCopies() {
    RecoveryStore store = options_.recoveryFolder.empty()
                              ? RecoveryStore::ForThisProcess(RecoveryLocation::FromEnvironment())
                              : RecoveryStore(options_.recoveryFolder, OwnerOfThisProcess());
    recovery_ = new RecoveryController(
        std::move(store), [this] { return document_->IsModified(); },
        [this] {
            return std::make_pair(SaveBookToFileBytes(document_->Book()), document_->FilePath());
        },
        this);
    files_->SetRecovery(recovery_);
    if (options_.recoveryAsk) recovery_->SetAsk(options_.recoveryAsk);
    if (options_.recoveryInform) recovery_->SetInform(options_.recoveryInform);
    // While copies cannot be written the words stay in a label of their own,
    // not in a message that goes after a few seconds.
    connect(recovery_, &RecoveryController::writeFailureChanged, this, [this](const QString& text) {
        recoveryLabel_->setText(text);
        recoveryLabel_->setToolTip(text);  // the whole text where the bar cuts it short
        recoveryLabel_->setVisible(!text.isEmpty());
    });
    connect(recovery_, &RecoveryController::statusReport, this, [this](const QString& text) {
        if (!recovery_->WriteFailing()) ShowStatus(text);
    });
    connect(document_.get(), &EditorDocument::changed, recovery_, &RecoveryController::BookChanged);
    connect(document_.get(), &EditorDocument::modifiedChanged, recovery_, [this](bool modified) {
        if (modified) recovery_->BookChanged();
    });
    recovery_->Start();
}

TfrmMain::~TfrmMain() {
    // Keys stop reaching the page view, and the view, which refers to the
    // book's pages, goes before the book.
    delete keys_;
    view_.reset();
}

TMusicSheet* TfrmMain::CurrentPage() const {
    return document_->Book().GetSheet(pageNo_ - 1);
}

void TfrmMain::SetTitle() {
    setWindowTitle(document_->FileName() + Translated(kBookNamesContext, kTitleSuffix));
}

void TfrmMain::ConnectDocument() {
    EditorDocument* doc = document_.get();
    connect(doc, &EditorDocument::aboutToReplaceBook, this, [this] {
        view_->ClearSelection();
        view_->SetCurrentItem(nullptr);
        view_->SetPage(nullptr);
    });
    connect(doc, &EditorDocument::bookReplaced, this, &TfrmMain::BookReplaced);
    // The page is drawn again once the event that changed it is handled,
    // unless whatever made the change drew it already.
    connect(doc, &EditorDocument::changed, this, [this] {
        redrawsAtChange_ = view_->RedrawCount();
        redrawAfterChange_ = true;
        ScheduleUpdate();
    });
    connect(doc, &EditorDocument::modifiedChanged, this, [this] { ScheduleUpdate(); });
    connect(doc, &EditorDocument::fileNameChanged, this, [this] { SetTitle(); });
    connect(doc, &EditorDocument::stepRefused, this,
            [this](const QString& message, bool takenBack) {
                if (takenBack) AfterUndoStep();
                options_.dialogs.showError(this, message);
            });
}

void TfrmMain::SetPlaying(bool playing) {
    playing_ = playing;
    ScheduleUpdate();
}

void TfrmMain::ShowStatus(const QString& text) {
    statusBar()->showMessage(text, 8000);
}

void TfrmMain::AddStatusWidget(QWidget* widget) {
    statusBar()->addPermanentWidget(widget);
}

void TfrmMain::OnMidiSettingsChanged(QObject* receiver, std::function<void()> listener) {
    connect(this, &TfrmMain::midiSettingsChanged, receiver, std::move(listener));
}

// ---- settings ------------------------------------------------------------

void TfrmMain::ReadSettings() {
    sorvel::Workspace& ws = Workspace();
    Preferences& p = ws.prefs;
    p.InitialDir = ExecutableFolder(options_.executablePath);
    ReadPreferences(settingsPath_, p, ws.layout.PageWidth, ws.layout.PageHeight);
    setMaximumWidth(kMaxMainWindowWidth);
    resize(std::min(std::max(p.Width, 200), kMaxMainWindowWidth), std::max(p.Height, 150));
    move(p.Left, p.Top);
}

void TfrmMain::WriteSettings() {
    Preferences& p = Workspace().prefs;
    const QPoint place = pos();
    p.Left = place.x();
    p.Top = place.y();
    p.Width = width();
    p.Height = height();
    std::string error;
    if (!WritePreferences(settingsPath_, p, &error) ||
        !setting::kZoom.Write(settingsPath_, pbScore1_->Zoom(), &error) ||
        !setting::kRhythmEntry.Write(settingsPath_, actions_["actRhythmEntry"]->isChecked(),
                                     &error)) {
        options_.dialogs.showError(this, QString::fromStdString(error));
    }
}

// ---- actions, menus, bars ---------------------------------------------------

QAction* TfrmMain::MakeAction(const char* name, const QString& caption, const char* shortcut) {
    if (QAction* existing = actions_.value(name)) return existing;
    auto* action = new QAction(caption, this);
    action->setObjectName(name);
    if (shortcut) action->setShortcut(QKeySequence(QString::fromLatin1(shortcut)));
    action->setEnabled(false);  // until its command is bound
    actions_.insert(name, action);
    addAction(action);  // shortcuts work even while the menu bar is hidden
    return action;
}

void TfrmMain::BuildActions() {
    for (const MenuEntry& menu : MainMenuTable()) {
        for (const ActionEntry& entry : menu.items) {
            if (QString(entry.name) == kReopenMenu) continue;
            MakeAction(entry.name, Translated(kMainMenuContext, entry.caption), entry.shortcut);
        }
    }
    for (const ActionEntry& entry : PageBarTable())
        MakeAction(entry.name, Translated(kPageBarContext, entry.caption), entry.shortcut);
    for (const ToolButtonEntry& entry : ToolBarTable())
        MakeAction(entry.action, Translated(kToolBarContext, entry.hint), nullptr);
    actions_["actGridSnap"]->setCheckable(true);
    actions_["actGridSnap"]->setChecked(true);
    actions_["actDispGrid"]->setCheckable(true);
    actions_["actInputNoteMonitor"]->setCheckable(true);
    actions_["actInputNoteMonitor"]->setChecked(Workspace().prefs.IsMonitorMode);
    actions_["actRhythmEntry"]->setCheckable(true);

    // Zoom has no menu entry of its own; the keys and Ctrl + wheel reach it.
    auto zoomAction = [this](const char* name, QList<QKeySequence> keys, auto slot) {
        auto* action = new QAction(this);
        action->setObjectName(name);
        action->setShortcuts(keys);
        connect(action, &QAction::triggered, this, slot);
        addAction(action);
    };
    zoomAction("actZoomIn", {QKeySequence::ZoomIn, QKeySequence("Ctrl+=")},
               [this] { ZoomStep(1); });
    zoomAction("actZoomOut", {QKeySequence::ZoomOut}, [this] { ZoomStep(-1); });
    zoomAction("actZoomReset", {QKeySequence("Ctrl+0")}, [this] { SetZoom(100); });
}

void TfrmMain::BuildMenus() {
    menuBar()->setObjectName("MainMenu1");
    for (const MenuEntry& entry : MainMenuTable()) {
        QMenu* menu = menuBar()->addMenu(Translated(kMainMenuContext, entry.caption));
        menu->setObjectName(entry.name);
        for (const ActionEntry& item : entry.items) {
            const QString name(item.name);
            if (name == kReopenMenu) {
                mnuReOpen_ = menu->addMenu(Translated(kMainMenuContext, item.caption));
                mnuReOpen_->setObjectName(kReopenMenu);
            } else {
                QAction* action = actions_.value(name);
                menu->addAction(action);
                if (item.hidden) action->setVisible(false);
            }
            if (item.separatorAfter) menu->addSeparator();
        }
    }
}

void TfrmMain::BuildToolBar() {
    QToolBar* bar = addToolBar(QString());
    bar->setObjectName("ToolBar1");
    bar->setMovable(false);
    bar->setIconSize(QSize(20, 20));
    for (const ToolButtonEntry& entry : ToolBarTable()) {
        QAction* action = actions_.value(entry.action);
        action->setIcon(ToolBarIcon(entry.action));
        action->setToolTip(Translated(kToolBarContext, entry.hint));
        bar->addAction(action);
    }
}

void TfrmMain::BuildPageBar(QWidget* parent, QVBoxLayout* layout) {
    auto* bar = new QWidget(parent);
    bar->setObjectName("pnlPageBar");
    auto* row = new QHBoxLayout(bar);
    row->setContentsMargins(4, 2, 4, 2);
    row->setSpacing(2);
    int index = 0;
    for (const ActionEntry& entry : PageBarTable()) {
        if (index++ == kPageNumberPanelAfter) {
            pnlPage_ = new QLabel("1", bar);
            pnlPage_->setObjectName("pnlPage");
            pnlPage_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
            pnlPage_->setAlignment(Qt::AlignCenter);
            pnlPage_->setMinimumWidth(44);
            QFont font(ResolveFontFamily(QString::fromUtf8("ＭＳ Ｐゴシック")));
            font.setBold(true);
            pnlPage_->setFont(font);
            row->addWidget(pnlPage_);
        }
        auto* button = new QToolButton(bar);
        button->setDefaultAction(actions_.value(entry.name));
        button->setAutoRaise(true);
        button->setToolButtonStyle(Qt::ToolButtonTextOnly);
        button->setObjectName(QString("btn") + QString(entry.name).mid(3));
        if (entry.hidden) button->hide();
        row->addWidget(button);
    }
    row->addStretch(1);
    layout->addWidget(bar);
}

void TfrmMain::BuildStatusBar() {
    statusBar()->setObjectName("StatusBar1");
    zoomLabel_ = new QLabel(statusBar());
    zoomLabel_->setObjectName("lblZoom");
    statusBar()->addPermanentWidget(zoomLabel_);
    recoveryLabel_ = new QLabel(statusBar());
    recoveryLabel_->setObjectName("lblRecoveryFailure");
    QPalette warning = recoveryLabel_->palette();
    warning.setColor(QPalette::WindowText, Qt::darkRed);
    recoveryLabel_->setPalette(warning);
    recoveryLabel_->hide();
    // Permanent, so that no passing message covers it; left of the others.
    statusBar()->insertPermanentWidget(0, recoveryLabel_);
}

void TfrmMain::BindCommand(const QString& actionName, std::function<void()> command,
                           EnabledRule enabled) {
    QAction* action = actions_.value(actionName);
    if (!action) {
        throw std::logic_error("no action named " + actionName.toStdString() + " to bind");
    }
    // A second command would run beside the first on every trigger, and only
    // one of the two rules could hold.
    if (bound_.contains(actionName)) {
        throw std::logic_error("the action " + actionName.toStdString() + " is bound twice");
    }
    connect(action, &QAction::triggered, this, [command = std::move(command)] { command(); });
    bound_.insert(actionName, std::move(enabled));
    ScheduleUpdate();
}

QStringList TfrmMain::UnboundActions() const {
    QStringList unbound;
    for (auto it = actions_.begin(); it != actions_.end(); ++it) {
        // The page-move action exists, hidden and disabled, without a command.
        if (!bound_.contains(it.key()) && it.key() != "actMovePage") unbound << it.key();
    }
    unbound.sort();
    return unbound;
}

void TfrmMain::InstallCommandFamilies() {
    const EditorContext context = Context();
    files_ = InstallFileCommands(context, options_.executablePath, *mnuReOpen_);
    InstallEditCommands(context);
    InstallPageCommands(context);
    InstallPrintCommands(context);
    InstallSettingsCommands(context);
    InstallPlaybackCommands(context);
    InstallMusicXmlCommands(context);
    InstallTranscribeCommands(context);
    InstallPracticeCommands(context);
    InstallHelpCommands(context, options_.language);
    // Rhythm entry follows the options the settings commands apply; the
    // keys go to rhythm entry first.
    rhythm_ = InstallRhythmCommands(context, setting::kRhythmEntry.Read(settingsPath_));
    keys_ = InstallKeyCommands(context);
}

void TfrmMain::BindHandlers() {
    auto bind = [this](const char* name, std::function<void()> handler) {
        BindCommand(name, std::move(handler));
    };
    BindCommand(
        "actUndo", [this] { Undo(); }, [this] { return Workspace().undo.CanUndo(); });
    BindCommand(
        "actRedo", [this] { Redo(); }, [this] { return Workspace().undo.CanRedo(); });
    bind("actGridSnap", [this] { ToggleGridSnap(); });
    bind("actDispGrid", [this] { ToggleGridDisplay(); });
    bind("actInputNoteMonitor", [this] { ToggleNoteMonitor(); });
    bind(kExitItem, [this] { close(); });
}

void TfrmMain::ScheduleUpdate() {
    if (!updateTimer_.isActive()) updateTimer_.start(0);
}

void TfrmMain::ActionListUpdate() {
    if (redrawAfterChange_) {
        redrawAfterChange_ = false;
        if (view_->RedrawCount() == redrawsAtChange_) view_->Redraw();
    }
    for (auto it = actions_.begin(); it != actions_.end(); ++it) {
        const auto binding = bound_.constFind(it.key());
        const bool bound = binding != bound_.constEnd();
        it.value()->setEnabled(bound && (!*binding || (*binding)()));
    }
    const sorvel::Workspace& ws = Workspace();
    actions_["actDispGrid"]->setChecked(ws.book->isDispGrid);
    mnuReOpen_->setEnabled(!playing_ && !ws.prefs.RecentFiles.empty());
    zoomLabel_->setText(QString("%1%").arg(pbScore1_->Zoom()));
}

// ---- view ------------------------------------------------------------------

void TfrmMain::SetZoom(int percent) {
    view_->SetZoom(percent);
    ScheduleUpdate();
}

void TfrmMain::ZoomStep(int steps) {
    int zoom = pbScore1_->Zoom();
    const auto first = std::begin(kZoomSteps);
    const auto last = std::end(kZoomSteps);
    while (steps > 0) {
        auto next = std::upper_bound(first, last, zoom);
        if (next == last) break;
        zoom = *next;
        --steps;
    }
    while (steps < 0) {
        auto below = std::lower_bound(first, last, zoom);
        if (below == first) break;
        zoom = *(below - 1);
        ++steps;
    }
    SetZoom(zoom);
}

void TfrmMain::ShowCurrentPage() {
    view_->SetPage(CurrentPage());
    view_->SizeToPage();
    view_->Redraw();
    pnlPage_->setText(QString::number(pageNo_));
}

void TfrmMain::ShowPage(int pageNo, bool fromTop) {
    if (fromTop) {
        ResetScroll();
        view_->HideKeyCursor();
    }
    pageNo_ = std::clamp(pageNo, 1, Book().SheetCount());
    ShowCurrentPage();
    ScheduleUpdate();
}

void TfrmMain::ResetScroll() {
    sbScore1_->horizontalScrollBar()->setValue(0);
    sbScore1_->verticalScrollBar()->setValue(0);
}

void TfrmMain::ToggleGridSnap() {
    Workspace().layout.Snap = actions_["actGridSnap"]->isChecked();
}

void TfrmMain::ToggleGridDisplay() {
    Book().isDispGrid = !Book().isDispGrid;
    document_->ChangedOutsideHistory();
}

void TfrmMain::ToggleNoteMonitor() {
    Workspace().prefs.IsMonitorMode = actions_["actInputNoteMonitor"]->isChecked();
}

void TfrmMain::BookReplaced() {
    // A new book's page has new bar lines: no tool stays chosen over it.
    pcTool_->PressNoTool();
    pageNo_ = 1;
    ShowCurrentPage();
    ResetScroll();
    view_->HideKeyCursor();
    ScheduleUpdate();
}

void TfrmMain::Undo() {
    document_->UndoStep();
    AfterUndoStep();
}

void TfrmMain::Redo() {
    document_->RedoStep();
    AfterUndoStep();
}

void TfrmMain::AfterUndoStep() {
    view_->ClearSelection();
    view_->SetCurrentItem(nullptr);
    if (pageNo_ > Book().SheetCount()) pageNo_ = Book().SheetCount();
    // The page at this number may be another object now (a page inserted or
    // removed again), and its layout may have changed: take it over anew.
    view_->SetPage(nullptr);
    ShowCurrentPage();
    rhythm_->CursorAfterUndo();
    ScheduleUpdate();
}

// ---- closing and drops -------------------------------------------------------

void TfrmMain::closeEvent(QCloseEvent* event) {
    if (!SavePrompt()) {
        event->ignore();
        return;
    }
    WriteSettings();
    if (recovery_) recovery_->Discard();
    event->accept();
}

void TfrmMain::dragEnterEvent(QDragEnterEvent* event) {
    if (event->mimeData()->hasUrls()) event->acceptProposedAction();
}

void TfrmMain::dropEvent(QDropEvent* event) {
    event->acceptProposedAction();
    files_->DropNativeFiles(DroppedLocalFiles(*event->mimeData()));
}

}  // namespace sorvel
