// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program without a window (batch commands, help, version, and the line
// that says there is no display): the application object it needs, and its
// messages in the interface language the editor would speak.
#include <QCoreApplication>
#include <cstdio>
#include <memory>
#include <vector>

#include "app/helptext.h"
#include "base/usertext.h"

namespace sorvel {

class InterfaceTranslators;

class ConsoleSession {
public:
    // `drawsPages`: a QGuiApplication on the offscreen platform (the page
    // exports draw with Qt's painter), else a QCoreApplication. Qt's own notes
    // on the environment are dropped; its errors come out in one line.
    ConsoleSession(int& argc, char** argv, bool drawsPages);
    ~ConsoleSession();
    ConsoleSession(const ConsoleSession&) = delete;
    ConsoleSession& operator=(const ConsoleSession&) = delete;

private:
    std::unique_ptr<QCoreApplication> app_;
    std::unique_ptr<InterfaceTranslators> translators_;
};

// The text in the interface language (UTF-8), once a session exists.
std::string Say(const UserText& text);

// "sorvel: " and the text, one line on standard error.
void ReportError(const UserText& text);
// "sorvel: warning: " and the text (the word translated too).
void ReportWarning(const UserText& text);
// The text alone, one line on `stream`.
void PrintLine(std::FILE* stream, const UserText& text);
// The help's lines on standard output, broken for a terminal of 80 columns.
void PrintHelp(const std::vector<HelpLine>& lines);

}  // namespace sorvel
