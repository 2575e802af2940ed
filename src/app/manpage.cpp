// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/manpage.h"

#include <cctype>
#include <string_view>
#include <vector>

#include "app/commandline.h"
#include "app/helptext.h"
#include "app/linebreaks.h"

namespace sorvel {
namespace {

// A file or a variable the page explains.
struct NamedEntry {
    const char* name;
    TextTemplate meaning;
};

constexpr NamedEntry kFiles[] = {
    {"~/.config/sorvel/sorvelini",
     SORVEL_TEXT("sorvel::manpage",
                 "設定ファイル：オプション、最近使ったファイル、演奏の設定、インターフェースの言語"
                 "（[Editor] の Language）。XDG_CONFIG_HOME が設定されていれば "
                 "$XDG_CONFIG_HOME/sorvel/sorvelini です。インストールせず、書き込めるフォルダー"
                 "から起動したプログラムは、実行ファイルの隣の sorvelini を使います。")},
    {"~/.local/state/sorvel/recovery/",
     SORVEL_TEXT("sorvel::manpage",
                 "保存していない変更のあるブックの復元用コピー。次に起動したときに復元を提案"
                 "します。XDG_STATE_HOME が設定されていれば $XDG_STATE_HOME/sorvel/recovery/ "
                 "です。")},
    {"/usr/share/doc/sorvel/help/index.html",
     SORVEL_TEXT("sorvel::manpage", "操作説明（ヘルプメニューが開くものと同じページ）。")},
};

constexpr NamedEntry kEnvironment[] = {
    {"SORVEL_SOUNDFONT",
     SORVEL_TEXT("sorvel::manpage",
                 "--render-wav が使う SoundFont（.sf2）ファイル。設定されていなければ General "
                 "MIDI の SoundFont（fluid-soundfont-gm、なければ timgm6mb-soundfont）です。")},
    {"LC_ALL, LC_MESSAGES, LANG, LANGUAGE",
     SORVEL_TEXT("sorvel::manpage",
                 "設定ファイルの言語が「自動」（既定）のとき、インターフェース、バッチコマンドの"
                 "メッセージと --help の言語を決めます。LC_ALL、LC_MESSAGES、LANG のうち最初に"
                 "設定されているもののロケールで、C と POSIX 以外では LANGUAGE の最初の言語が"
                 "優先します。日本語、中国語（台湾・香港・マカオは繁体字、ほかは簡体字）、それ"
                 "以外はすべて英語になります。")},
    {"DISPLAY, WAYLAND_DISPLAY",
     SORVEL_TEXT("sorvel::manpage",
                 "エディターを開く画面。どちらも（QT_QPA_PLATFORM も）設定されていなければ、"
                 "エディターを開かずに 1 行のメッセージを出し、終了ステータス 1 で終わります。"
                 "バッチコマンドは画面を使いません。")},
};

// Roff for text: a backslash printed as itself, and a hyphen as a minus
// sign wherever it is not joining two words ("16-bit"), so that options
// such as --render-wav can be copied from the page. In a name, and in a word
// that starts with a hyphen, every hyphen is a minus sign.
std::string Escape(std::string_view text, bool name = false) {
    std::string out;
    bool option = name;
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        const auto isWordChar = [&](size_t k) {
            return k < text.size() && std::isalnum(static_cast<unsigned char>(text[k]));
        };
        if (!name && (i == 0 || text[i - 1] == ' ')) option = c == '-';
        if (c == '\\') {
            out += "\\e";
        } else if (c == '-' && (option || !(i > 0 && isWordChar(i - 1) && isWordChar(i + 1)))) {
            out += "\\-";
        } else {
            out += c;
        }
    }
    return out;
}

// A paragraph as one roff text line. In East Asian text a zero-width break
// point stands wherever a line may break without a space.
std::string Paragraph(std::string_view text, bool eastAsian) {
    std::string line;
    if (!eastAsian) {
        line = Escape(text);
    } else {
        for (const LinePiece& piece : SplitAtBreaks(text)) {
            if (!line.empty()) line += piece.spaceBefore ? " " : "\\:";
            line += Escape(piece.text);
        }
    }
    // A text line must not begin as a request does.
    if (!line.empty() && (line[0] == '.' || line[0] == '\'')) line.insert(0, "\\&");
    return line + "\n";
}

// A usage as the manual shows it: options in bold, what the user names in
// italics, brackets upright.
std::string Usage(std::string_view words) {
    std::string out;
    while (!words.empty()) {
        const size_t end = words.find(' ');
        std::string_view word = words.substr(0, end);
        words = end == std::string_view::npos ? std::string_view() : words.substr(end + 1);
        // \% at the start of a word keeps it whole: it is never hyphenated.
        out += out.empty() ? "\\%" : " \\%";
        while (!word.empty() && word.front() == '[') {
            out += '[';
            word.remove_prefix(1);
        }
        size_t closing = 0;
        while (!word.empty() && word.back() == ']') {
            ++closing;
            word.remove_suffix(1);
        }
        const bool literal = word.starts_with("-") || word == "sorvel";
        out += (literal ? "\\fB" : "\\fI") + Escape(word, true) + "\\fR";
        out.append(closing, ']');
    }
    return out;
}

// An argument of a request, in quotes: it may hold spaces.
std::string Quoted(std::string_view text) {
    std::string out = "\"";
    for (const char c : Escape(text)) out += c == '"' ? std::string("\\(dq") : std::string(1, c);
    return out + "\"";
}

class PageWriter {
public:
    explicit PageWriter(const ManualPageSetting& setting) : setting_(setting) {}

    std::string Say(const UserText& text) const { return setting_.translate(text); }
    std::string Say(TextTemplate marked) const { return Say(UserText(marked)); }

    void Heading(TextTemplate title) { page_ += ".SH " + Quoted(Say(title)) + "\n"; }
    void Text(const std::string& text) { page_ += Paragraph(text, setting_.eastAsian); }
    // An entry of a list: its head line, then what it means.
    void Entry(const std::string& head, const std::string& meaning) {
        page_ += ".TP\n" + head + "\n" + Paragraph(meaning, setting_.eastAsian);
    }
    void Line(const std::string& roff) { page_ += roff + "\n"; }

    std::string Page() const { return page_; }

private:
    const ManualPageSetting& setting_;
    std::string page_;
};

void WriteTop(PageWriter& w, const ManualPageSetting& setting) {
    w.Line(".\\\" sorvel(1), written by the build from the program's command-line tables.");
    w.Line(".TH SORVEL 1 " + setting.date + " " + Quoted("Sorvel " + ProgramVersion()) + " " +
           Quoted(w.Say(SORVEL_TEXT("sorvel::manpage", "ユーザーコマンド"))));
    if (setting.eastAsian) w.Line(".ad l");
    w.Heading(SORVEL_TEXT("sorvel::manpage", "名前"));
    w.Line("sorvel \\- " +
           Escape(w.Say(SORVEL_TEXT(
               "sorvel::manpage", "二胡の数字譜（簡譜）を書き、印刷し、演奏する楽譜エディター"))));
    w.Heading(SORVEL_TEXT("sorvel::manpage", "書式"));
    w.Line(Usage("sorvel [FILE.svl]"));
    for (const BatchCommandEntry& c : BatchCommandTable()) {
        w.Line(".br");
        w.Line(Usage(std::string("sorvel ") + c.name + " " + c.arguments));
    }
    w.Line(".br");
    w.Line(Usage("sorvel --help"));
    w.Line(".br");
    w.Line(Usage("sorvel --version"));
}

void WriteDescription(PageWriter& w) {
    w.Heading(SORVEL_TEXT("sorvel::manpage", "説明"));
    w.Text(w.Say(SORVEL_TEXT(
        "sorvel::manpage",
        "ソルベルは二胡奏者のための楽譜エディターです。数字譜（簡譜）に、弓の向き、内弦と外弦、"
        "指番号、滑音や装飾音など二胡の記号を書き込みます。一冊の曲集を一つの .svl ファイルに"
        "収めます。")));
    w.Line(".PP");
    w.Text(w.Say(SORVEL_TEXT(
        "sorvel::manpage",
        "バッチコマンドを指定しなければエディターを開きます。FILE.svl を指定するとそのブックを"
        "開きます。バッチコマンドは画面なしで動き、ファイルを読んで一つのファイルを"
        "書きます。失敗したときは標準エラーに 1 行のメッセージを出し、0 以外の終了ステータスで"
        "終わり、出力ファイルを残しません。")));
}

void WriteCommandsAndOptions(PageWriter& w) {
    w.Heading(SORVEL_TEXT("sorvel::manpage", "バッチコマンド"));
    for (const BatchCommandEntry& c : BatchCommandTable())
        w.Entry(Usage(std::string(c.name) + " " + c.arguments), w.Say(c.description));
    w.Heading(SORVEL_TEXT("sorvel::manpage", "オプション"));
    for (const BatchOptionEntry& o : BatchOptionTable())
        w.Entry(Usage(OptionUsage(o)), w.Say(o.description));
    for (const ProgramOptionEntry& o : ProgramOptionTable())
        w.Entry(Usage(OptionUsage(o)), w.Say(o.description));
}

void WriteFilesAndEnvironment(PageWriter& w) {
    w.Heading(SORVEL_TEXT("sorvel::manpage", "ファイル"));
    for (const NamedEntry& f : kFiles)
        w.Entry("\\fI" + Escape(f.name, true) + "\\fR", w.Say(f.meaning));
    w.Heading(SORVEL_TEXT("sorvel::manpage", "環境変数"));
    for (const NamedEntry& e : kEnvironment)
        w.Entry("\\fB" + Escape(e.name, true) + "\\fR", w.Say(e.meaning));
}

void WriteEndings(PageWriter& w) {
    w.Heading(SORVEL_TEXT("sorvel::manpage", "終了ステータス"));
    for (const ExitStatusEntry& e : ExitStatusTable())
        w.Entry("\\fB" + std::to_string(e.status) + "\\fR", w.Say(e.meaning));
    w.Heading(SORVEL_TEXT("sorvel::manpage", "著作権"));
    bool first = true;
    for (const UserText& line : LicenceText()) {
        if (!first) w.Line(".br");
        w.Text(w.Say(line));
        first = false;
    }
}

}  // namespace

std::string ManualPage(const ManualPageSetting& setting) {
    PageWriter writer(setting);
    WriteTop(writer, setting);
    WriteDescription(writer);
    WriteCommandsAndOptions(writer);
    WriteFilesAndEnvironment(writer);
    WriteEndings(writer);
    return writer.Page();
}

}  // namespace sorvel
