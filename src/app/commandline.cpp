// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/commandline.h"

#include <cstring>
#include <filesystem>
#include <string_view>
#include <system_error>

#include "base/text.h"

namespace sorvel {
namespace {

// Every batch command: the parser, --help, the manual page and the dispatch
// follow it. Its arguments name the options it takes.
constexpr BatchCommandEntry kCommands[] = {
    {"--resave", BatchKind::Resave, "IN.svl OUT.svl",
     SORVEL_TEXT("sorvel::app",
                 "楽譜を開くときと同じように読み込み、保存するときと同じように書き出します。")},
    {"--export-png", BatchKind::ExportPng, "IN.svl OUT.png [--page N]",
     SORVEL_TEXT("sorvel::app",
                 "ページ N（既定は 1）を PNG 画像に書き出します。1 ページ単位が 1 ピクセルです。")},
    {"--export-bmp", BatchKind::ExportBmp, "IN.svl OUT.bmp [--page N]",
     SORVEL_TEXT("sorvel::app", "ページ N（既定は 1）をビットマップ（BMP）画像に書き出します。")},
    {"--export-pdf", BatchKind::ExportPdf, "IN.svl OUT.pdf",
     SORVEL_TEXT("sorvel::app", "ブックの全ページを、1 ページずつ PDF に書き出します。")},
    {"--export-midi", BatchKind::ExportMidi,
     "IN.svl OUT.mid [--page N] [--metronome] [--expressive]",
     SORVEL_TEXT("sorvel::app", "ページ N を含む曲を標準 MIDI ファイルに書き出します。")},
    {"--render-wav", BatchKind::RenderWav, "IN.svl OUT.wav [--page N] [--metronome] [--expressive]",
     SORVEL_TEXT("sorvel::app",
                 "ページ N を含む曲を内蔵シンセサイザーで演奏し、WAV（44.1 kHz、16 ビット、"
                 "ステレオ）に書き出します。")},
    {"--import-musicxml", BatchKind::ImportMusicXml, "IN.musicxml|IN.mxl OUT.svl [--part N]",
     SORVEL_TEXT("sorvel::app",
                 "五線譜（.musicxml、.xml、圧縮された .mxl）のパートを数字譜のブックにします。"
                 "読み込んだものと省いたものを 1 行で知らせます。")},
    {"--export-musicxml", BatchKind::ExportMusicXml, "IN.svl OUT.musicxml",
     SORVEL_TEXT("sorvel::app", "ブックを二胡の記号つきで MusicXML 4.0 に書き出します。")},
    {"--transcribe", BatchKind::Transcribe,
     "IN.wav|IN.flac|IN.ogg|IN.mp3 OUT.svl [--tempo BPM] [--meter N/M] [--key K]",
     SORVEL_TEXT("sorvel::app",
                 "弓で弾いた旋律の録音（WAV、FLAC、OGG、MP3）を数字譜のブックにします。"
                 "調、拍子、小節線、音の長さ、スライド・ビブラート・トリルを聞き取り、"
                 "音符の数、1＝、拍子、テンポ、確かめたい音を 1 行で知らせます。")},
    {"--intonation", BatchKind::Intonation,
     "BOOK.svl TAKE.wav|TAKE.flac|TAKE.ogg|TAKE.mp3 REPORT.csv [--page N]",
     SORVEL_TEXT("sorvel::app",
                 "ブックを弾いた録音を楽譜と照らし合わせ、音符ごとの音程のずれ（セント）と"
                 "拍とのずれ（ミリ秒）を CSV に書き出します。テンポは奏者のままでかまいません。")},
};

constexpr BatchOptionEntry kOptions[] = {
    {"--page", "N",
     SORVEL_TEXT("sorvel::app",
                 "書き出すページ（1 から数えます）。演奏するコマンドでは、そのページを含む曲です。"
                 "--intonation では録音がそのページだけを弾いたものです（既定はブック全体）。"),
     &BatchCommand::page, nullptr, nullptr},
    {"--part", "N",
     SORVEL_TEXT("sorvel::app",
                 "読み込むパート（1 から数えます）。既定は音符のある最初のパートです。"),
     &BatchCommand::part, nullptr, nullptr},
    {"--metronome", nullptr, SORVEL_TEXT("sorvel::app", "メトロノームの音を加えます。"), nullptr,
     &BatchCommand::metronome, nullptr},
    {"--expressive", nullptr,
     SORVEL_TEXT("sorvel::app",
                 "二胡の記号（装飾音、トリル、スライド、ビブラート、強弱）をつけて演奏します。"),
     nullptr, &BatchCommand::expressive, nullptr},
    {"--tempo", "BPM",
     SORVEL_TEXT("sorvel::app",
                 "録音のテンポ（1 分間の四分音符の数）。聞き取らずにこれを使います。"),
     nullptr, nullptr, &BatchCommand::tempo},
    {"--meter", "N/M", SORVEL_TEXT("sorvel::app", "録音の拍子（2/4、3/4、4/4、3/8、6/8）。"),
     nullptr, nullptr, &BatchCommand::meter},
    {"--key", "K", SORVEL_TEXT("sorvel::app", "録音の調の主音（D、Bb、F# など）。"), nullptr,
     nullptr, &BatchCommand::key},
};

constexpr ProgramOptionEntry kProgramOptions[] = {
    {"--help", "-h", ProgramOption::Help,
     SORVEL_TEXT("sorvel::app", "この説明を表示して終了します。")},
    {"--version", nullptr, ProgramOption::Version,
     SORVEL_TEXT("sorvel::app", "プログラムの名前とバージョンを表示して終了します。")},
    {"--", nullptr, ProgramOption::EndOfOptions,
     SORVEL_TEXT("sorvel::app",
                 "これより後の引数はすべてファイル名です（- で始まるファイル名のため）。")},
};

constexpr ExitStatusEntry kExitStatuses[] = {
    {kExitSuccess,
     SORVEL_TEXT("sorvel::app", "エディターが閉じられたか、コマンドが成功しました。")},
    {kExitFailure,
     SORVEL_TEXT("sorvel::app",
                 "コマンドが失敗しました（読めない入力、書き込めない出力など）。エディターを開く"
                 "画面がないときもこの値です。")},
    {kExitUsage,
     SORVEL_TEXT("sorvel::app",
                 "コマンドラインが誤っています（不明なオプション、足りない引数、誤った数）。")},
};

const ProgramOptionEntry* FindProgramOption(std::string_view arg) {
    for (const ProgramOptionEntry& o : kProgramOptions) {
        if (arg == o.name || (o.alias && arg == o.alias)) return &o;
    }
    return nullptr;
}

const BatchCommandEntry* FindCommand(std::string_view arg) {
    for (const BatchCommandEntry& c : kCommands) {
        if (arg == c.name) return &c;
    }
    return nullptr;
}

const BatchOptionEntry* FindOption(std::string_view arg) {
    for (const BatchOptionEntry& o : kOptions) {
        if (arg == o.name) return &o;
    }
    return nullptr;
}

UserText Plain(std::string_view text) {
    return UserText::Plain(std::string(text));
}

ParsedCommandLine Answer(CommandLineRequest request) {
    ParsedCommandLine result;
    result.request = request;
    return result;
}

ParsedCommandLine UsageError(UserText error) {
    ParsedCommandLine result;
    result.request = CommandLineRequest::UsageError;
    result.error = std::move(error);
    return result;
}

// An option met on the command line, with its value when it takes one.
struct GivenOption {
    const BatchOptionEntry* entry;
    std::string name;
    int number = 0;
    std::string text;
};

// Reads the value of a number option: the part after "=" of "--page=2", or
// the next argument. False when it is missing or not a number of 1 or more.
bool ReadNumber(const std::vector<std::string>& args, size_t& i,
                const std::optional<std::string>& attached, int& number) {
    std::string value;
    if (attached) {
        value = *attached;
    } else if (i + 1 < args.size()) {
        value = args[++i];
    } else {
        return false;
    }
    return TryStrToInt(value, number) && number >= 1;
}

// Reads the value of a text option, which the command checks when it runs.
// False when it is missing or empty.
bool ReadText(const std::vector<std::string>& args, size_t& i,
              const std::optional<std::string>& attached, std::string& text) {
    if (attached) {
        text = *attached;
    } else if (i + 1 < args.size()) {
        text = args[++i];
    }
    return !text.empty();
}

// What the command line holds once read: the command, its options and the
// files, or the first error.
struct Reading {
    const BatchCommandEntry* command = nullptr;
    std::vector<GivenOption> options;
    std::vector<std::string> files;
    std::optional<ParsedCommandLine> answer;  // help, version or an error: at once
};

// Reads one argument that looks like an option.
void ReadOption(const std::vector<std::string>& args, size_t& i, Reading& reading) {
    const std::string& arg = args[i];
    if (const BatchCommandEntry* command = FindCommand(arg)) {
        if (reading.command) {
            reading.answer = UsageError(UserText(
                SORVEL_TEXT("sorvel::app", "バッチコマンドは一度に一つだけです（%1 と %2）。"),
                {Plain(reading.command->name), Plain(arg)}));
            return;
        }
        reading.command = command;
        return;
    }
    const size_t equals = arg.find('=');
    const std::string name = arg.substr(0, equals);
    const BatchOptionEntry* option = FindOption(name);
    if (!option || (equals != std::string::npos && !option->value)) {
        reading.answer = UsageError(UserText(
            SORVEL_TEXT("sorvel::app",
                        "%1 というオプションはありません。sorvel --help を参照してください。"),
            {Plain(arg)}));
        return;
    }
    GivenOption given{option, name, 0, {}};
    std::optional<std::string> attached;
    if (equals != std::string::npos) attached = arg.substr(equals + 1);
    if (option->text && !ReadText(args, i, attached, given.text)) {
        reading.answer = UsageError(
            UserText(SORVEL_TEXT("sorvel::app", "%1 には値を指定してください。"), {Plain(name)}));
        return;
    }
    if (option->number && !ReadNumber(args, i, attached, given.number)) {
        reading.answer = UsageError(UserText(
            SORVEL_TEXT("sorvel::app", "%1 には 1 以上の数を指定してください。"), {Plain(name)}));
        return;
    }
    reading.options.push_back(std::move(given));
}

// The batch command from what was read: every option must be one it takes,
// and it needs exactly its input and its output.
ParsedCommandLine MakeBatch(const Reading& reading) {
    const BatchCommandEntry& command = *reading.command;
    ParsedCommandLine result;
    result.request = CommandLineRequest::Batch;
    result.batch.kind = command.kind;
    for (const GivenOption& given : reading.options) {
        if (!CommandTakesOption(command, given.entry->name)) {
            return UsageError(UserText(SORVEL_TEXT("sorvel::app", "%2 では %1 は使えません。"),
                                       {Plain(given.name), Plain(command.name)}));
        }
        if (given.entry->number) result.batch.*(given.entry->number) = given.number;
        if (given.entry->number == &BatchCommand::page) result.batch.pageChosen = true;
        if (given.entry->flag) result.batch.*(given.entry->flag) = true;
        if (given.entry->text) result.batch.*(given.entry->text) = given.text;
    }
    const int needed = CommandFileCount(command);
    if (static_cast<int>(reading.files.size()) != needed) {
        if (needed == 2)
            return UsageError(UserText(
                SORVEL_TEXT("sorvel::app", "%1 には入力ファイルと出力ファイルが必要です。"),
                {Plain(command.name)}));
        return UsageError(
            UserText(SORVEL_TEXT("sorvel::app", "%1 にはファイルが %2 つ必要です（%3）。"),
                     {Plain(command.name), UserText::Number(needed), Plain(command.arguments)}));
    }
    result.batch.input = reading.files.front();
    result.batch.output = reading.files.back();
    if (needed == 3) result.batch.take = reading.files[1];
    return result;
}

bool LooksLikeOption(const std::string& arg) {
    return arg.size() > 1 && arg[0] == '-';
}

}  // namespace

std::span<const BatchCommandEntry> BatchCommandTable() {
    return kCommands;
}

std::span<const BatchOptionEntry> BatchOptionTable() {
    return kOptions;
}

std::span<const ProgramOptionEntry> ProgramOptionTable() {
    return kProgramOptions;
}

std::span<const ExitStatusEntry> ExitStatusTable() {
    return kExitStatuses;
}

bool CommandTakesOption(const BatchCommandEntry& command, const char* option) {
    std::string_view rest = command.arguments;
    while (!rest.empty()) {
        const size_t end = rest.find(' ');
        std::string_view word = rest.substr(0, end);
        rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
        if (!word.empty() && word.front() == '[') word.remove_prefix(1);
        if (!word.empty() && word.back() == ']') word.remove_suffix(1);
        if (word == option) return true;
    }
    return false;
}

int CommandFileCount(const BatchCommandEntry& command) {
    int count = 0;
    std::string_view rest = command.arguments;
    while (!rest.empty() && rest.front() != '[') {
        const size_t end = rest.find(' ');
        if (end != 0) ++count;
        rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
    }
    return count;
}

ParsedCommandLine ParseCommandLine(const std::vector<std::string>& args) {
    Reading reading;
    bool onlyFiles = false;
    for (size_t i = 0; i < args.size() && !reading.answer; ++i) {
        const std::string& arg = args[i];
        const ProgramOptionEntry* program = onlyFiles ? nullptr : FindProgramOption(arg);
        if (program && program->option == ProgramOption::Help) {
            reading.answer = Answer(CommandLineRequest::Help);
        } else if (program && program->option == ProgramOption::Version) {
            reading.answer = Answer(CommandLineRequest::Version);
        } else if (program) {
            onlyFiles = true;
        } else if (onlyFiles || !LooksLikeOption(arg)) {
            reading.files.push_back(arg);
        } else {
            ReadOption(args, i, reading);
        }
    }
    if (reading.answer) return *reading.answer;
    if (reading.command) return MakeBatch(reading);
    if (!reading.options.empty()) {
        return UsageError(
            UserText(SORVEL_TEXT("sorvel::app", "%1 はバッチコマンドと一緒に使うオプションです。"),
                     {Plain(reading.options.front().name)}));
    }
    ParsedCommandLine result;
    result.files = std::move(reading.files);
    return result;
}

std::vector<std::string> EditorArguments(const std::vector<std::string>& args) {
    std::vector<std::string> result;
    for (const std::string& arg : args) {
        std::error_code error;
        // std::filesystem works on the name's bytes on this platform; the
        // file itself is not looked at.
        const std::filesystem::path path =
            arg.empty() ? std::filesystem::path() : std::filesystem::absolute(arg, error);
        result.push_back(path.empty() || error ? arg : path.lexically_normal().string());
    }
    return result;
}

}  // namespace sorvel
