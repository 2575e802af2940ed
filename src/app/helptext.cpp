// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/helptext.h"

#include <string_view>

#include "app/commandline.h"
#include "app/linebreaks.h"

namespace sorvel {
namespace {

UserText Plain(std::string text) {
    return UserText::Plain(std::move(text));
}

}  // namespace

std::string OptionUsage(const BatchOptionEntry& option) {
    return option.value ? std::string(option.name) + " " + option.value : option.name;
}

std::string OptionUsage(const ProgramOptionEntry& option) {
    return option.alias ? std::string(option.name) + ", " + option.alias : option.name;
}

std::string ProgramVersion() {
    return SORVEL_VERSION;
}

std::string CopyrightYears() {
    return SORVEL_COPYRIGHT_YEARS;
}

std::vector<HelpLine> HelpText() {
    std::vector<HelpLine> lines;
    lines.push_back({0, UserText(SORVEL_TEXT("sorvel::app", "使い方:"))});
    lines.push_back({2, Plain("sorvel [FILE.svl]")});
    for (const BatchCommandEntry& c : BatchCommandTable())
        lines.push_back({2, Plain(std::string("sorvel ") + c.name + " " + c.arguments)});
    lines.push_back({2, Plain("sorvel --help | --version")});
    lines.push_back({});
    lines.push_back({0, UserText(SORVEL_TEXT("sorvel::app",
                                             "ファイルを指定するとそのブックを開いてエディターを"
                                             "起動します。バッチコマンドは画面なしで動きます。"))});
    lines.push_back({});
    lines.push_back({0, UserText(SORVEL_TEXT("sorvel::app", "バッチコマンド:"))});
    for (const BatchCommandEntry& c : BatchCommandTable()) {
        lines.push_back({2, Plain(std::string(c.name) + " " + c.arguments)});
        lines.push_back({6, UserText(c.description)});
    }
    lines.push_back({});
    lines.push_back({0, UserText(SORVEL_TEXT("sorvel::app", "オプション:"))});
    for (const BatchOptionEntry& o : BatchOptionTable()) {
        lines.push_back({2, Plain(OptionUsage(o))});
        lines.push_back({6, UserText(o.description)});
    }
    for (const ProgramOptionEntry& o : ProgramOptionTable()) {
        lines.push_back({2, Plain(OptionUsage(o))});
        lines.push_back({6, UserText(o.description)});
    }
    lines.push_back({});
    lines.push_back({0, UserText(SORVEL_TEXT("sorvel::app", "終了ステータス:"))});
    for (const ExitStatusEntry& e : ExitStatusTable()) {
        lines.push_back({2, UserText::Number(e.status)});
        lines.push_back({6, UserText(e.meaning)});
    }
    lines.push_back({});
    lines.push_back(
        {0, UserText(SORVEL_TEXT("sorvel::app",
                                 "詳しくはマニュアル（man sorvel）を参照してください。"))});
    return lines;
}

std::vector<UserText> LicenceText() {
    return {
        Plain("Copyright (C) " + CopyrightYears() + " Sorvel developers"),
        UserText(SORVEL_TEXT("sorvel::app",
                             "ライセンス GPLv3+: GNU GPL バージョン 3 またはそれ以降 "
                             "<https://gnu.org/licenses/gpl.html>")),
        UserText(SORVEL_TEXT("sorvel::app",
                             "これはフリーソフトウェアです。自由に変更し、再配布できます。")),
        UserText(SORVEL_TEXT("sorvel::app", "法律で認められる範囲で、保証は一切ありません。")),
    };
}

std::vector<UserText> VersionText() {
    std::vector<UserText> lines{Plain("sorvel " + ProgramVersion())};
    for (UserText& line : LicenceText()) lines.push_back(std::move(line));
    return lines;
}

std::string WrapForTerminal(std::string_view text, int indent, int width) {
    if (text.empty()) return "\n";
    const std::string margin(static_cast<size_t>(indent), ' ');
    std::string out = margin;
    int column = indent;
    bool lineEmpty = true;
    for (const LinePiece& piece : SplitAtBreaks(text)) {
        const int space = piece.spaceBefore && !lineEmpty ? 1 : 0;
        if (!lineEmpty && column + space + piece.columns > width) {
            out += "\n" + margin;
            column = indent;
            lineEmpty = true;
        } else if (space) {
            out += ' ';
            column += 1;
        }
        out += piece.text;
        column += piece.columns;
        lineEmpty = false;
    }
    return out + "\n";
}

}  // namespace sorvel
