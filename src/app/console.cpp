// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/console.h"

#include <QGuiApplication>
#include <cstdlib>

#include "editor/platform/interfacelanguage.h"
#include "editor/platform/translatedtext.h"

namespace sorvel {
namespace {

constexpr int kTerminalWidth = 80;

// Output is one line on failure and nothing on success: Qt's notes about the
// environment (no runtime folder, a locale it replaced) are dropped.
void QuietMessages(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtCriticalMsg || type == QtFatalMsg) {
        std::fprintf(stderr, "sorvel: %s\n", message.toLocal8Bit().constData());
    }
}

}  // namespace

ConsoleSession::ConsoleSession(int& argc, char** argv, bool drawsPages) {
    qInstallMessageHandler(QuietMessages);
    if (drawsPages) {
        // Pages are drawn off screen: no display is needed or used.
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
        app_ = std::make_unique<QGuiApplication>(argc, argv);
    } else {
        app_ = std::make_unique<QCoreApplication>(argc, argv);
    }
    translators_ = std::make_unique<InterfaceTranslators>(
        StartupLanguage(QCoreApplication::applicationFilePath().toStdString()));
}

ConsoleSession::~ConsoleSession() = default;

std::string Say(const UserText& text) {
    return Translated(text).toStdString();
}

void ReportError(const UserText& text) {
    std::fprintf(stderr, "sorvel: %s\n", Say(text).c_str());
}

void ReportWarning(const UserText& text) {
    ReportError(UserText(SORVEL_TEXT("sorvel::app", "警告: %1"), {text}));
}

void PrintLine(std::FILE* stream, const UserText& text) {
    std::fprintf(stream, "%s\n", Say(text).c_str());
}

void PrintHelp(const std::vector<HelpLine>& lines) {
    for (const HelpLine& line : lines)
        std::fputs(WrapForTerminal(Say(line.text), line.indent, kTerminalWidth - 1).c_str(),
                   stdout);
}

}  // namespace sorvel
