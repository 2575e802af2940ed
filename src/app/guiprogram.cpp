// SPDX-License-Identifier: GPL-3.0-or-later
// The editor's start: the application object, the main window with the file
// named on the command line, and the offer of recovery copies once it shows.
#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "app/batchcommands.h"
#include "app/commandline.h"
#include "app/console.h"
#include "editor/mainwindow/frmmain.h"
#include "editor/pageview/scorepaintbox.h"
#include "editor/platform/interfacelanguage.h"

namespace sorvel {

namespace {

// Without any display Qt would stop with a platform-plugin error; say what
// happened and where the display-free commands are instead.
bool DisplayAvailable() {
    auto set = [](const char* name) {
        const char* value = std::getenv(name);
        return value && *value;
    };
    return set("DISPLAY") || set("WAYLAND_DISPLAY") || set("QT_QPA_PLATFORM");
}

// With SORVEL_EXIT_AFTER_FIRST_PAINT set the program reports its memory
// and quits once the first page is on the screen: the start-up benchmark
// measures the time to that point from outside.
class FirstPaintProbe : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && !fired_) {
            fired_ = true;
            QTimer::singleShot(0, [] {
                std::fprintf(stderr, "sorvel: first page painted, %s\n", ResidentMemory().c_str());
                QCoreApplication::quit();
            });
        }
        return QObject::eventFilter(watched, event);
    }

private:
    static std::string ResidentMemory() {
        std::ifstream status("/proc/self/status");
        std::string line;
        while (std::getline(status, line)) {
            if (line.rfind("VmRSS:", 0) == 0) return line;
        }
        return "VmRSS unknown";
    }

    bool fired_ = false;
};

}  // namespace

int RunProgram(int& argc, char** argv, const std::vector<std::string>& files) {
    if (!DisplayAvailable()) {
        ConsoleSession session(argc, argv, false);
        ReportError(SORVEL_TEXT("sorvel::app",
                                "エディターを開く画面がありません（DISPLAY が設定されていません）。"
                                "バッチコマンドは画面なしで使えます。sorvel --help を参照して"
                                "ください。"));
        return kExitFailure;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName("sorvel");
    QApplication::setOrganizationName("sorvel");
    QGuiApplication::setDesktopFileName("sorvel");  // the icon of the desktop entry, on Wayland too

    MainWindowOptions options;
    options.executablePath = QApplication::applicationFilePath().toStdString();
    // The language the user chose in the options, or the desktop's; the
    // standard dialogs (files, printing, buttons of message boxes) follow it.
    const InterfaceLanguage language = StartupLanguage(options.executablePath);
    const InterfaceTranslators translators(language);
    options.language = LanguageCode(language);
    options.arguments = EditorArguments(files);
    TfrmMain window(std::move(options));
    FirstPaintProbe probe;
    if (std::getenv("SORVEL_EXIT_AFTER_FIRST_PAINT")) window.PaintBox().installEventFilter(&probe);
    window.show();
    window.activateWindow();  // keys go to the editor at once, with or without a window manager
    QTimer::singleShot(0, &window, &TfrmMain::OfferRecovery);
    return app.exec();
}

}  // namespace sorvel
