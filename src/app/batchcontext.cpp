// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/batchcontext.h"

#include <cstring>

#include "base/atomicfile.h"
#include "model/musicbook.h"
#include "model/scorefile.h"

namespace sorvel {

UserText AboutFile(const std::string& path, UserText message) {
    return UserText(SORVEL_TEXT("sorvel::app", "%1: %2"),
                    {UserText::Plain(path), std::move(message)});
}

UserText WithDetail(UserText message, const std::string& detail) {
    if (detail.empty()) return message;
    return UserText(SORVEL_TEXT("sorvel::app", "%1（%2）"),
                    {std::move(message), UserText::Plain(detail)});
}

bool BatchContext::Load(const std::string& path, UserText& error) {
    ReadResult result = ReadScoreFile(path, env);
    switch (result.status) {
        case ReadStatus::Ok:
            book = std::move(result.book);
            return true;
        case ReadStatus::NotAScore:
            error = AboutFile(path, SORVEL_TEXT("sorvel::app",
                                                "楽譜ファイルではありません（1 行目が楽譜の"
                                                "ヘッダーではありません）。"));
            return false;
        default:
            error = AboutFile(path, result.message);
            return false;
    }
}

TMusicSheet* BatchContext::Page(int number, UserText& error) const {
    TMusicSheet* page = book->GetSheet(number - 1);
    if (!page) {
        error = UserText(
            SORVEL_TEXT("sorvel::app", "ブックにページ %1 はありません（%2 ページまでです）。"),
            {UserText::Number(number), UserText::Number(book->SheetCount())});
    }
    return page;
}

bool BatchContext::WriteOutput(const std::string& path, std::string_view bytes, UserText& error) {
    if (const int err = WriteFileAtomically(path, bytes)) {
        error = AboutFile(path, UserText::Plain(std::strerror(err)));
        return false;
    }
    return true;
}

}  // namespace sorvel
