// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/readerlimits.h"

#include "model/musicbook.h"
#include "model/musicitem.h"
#include "model/musicsheet.h"
#include "model/scoreblock.h"
#include "model/scorefile.h"
#include "model/textbox.h"

namespace sorvel {
namespace {

ReaderLimitBreach Breach(ReaderLimit limit, int page, UserText message) {
    return ReaderLimitBreach{limit, page, std::move(message)};
}

// What the reader counts for a text box: its CSVText line, trimmed.
long TextLinesRead(const TTextBox& box) {
    const std::string text = box.CSVText();
    std::string_view value(text);
    while (!value.empty() && static_cast<unsigned char>(value.back()) <= 0x20) {
        value.remove_suffix(1);
    }
    return scorefile::TextLineEstimate(value);
}

}  // namespace

std::optional<ReaderLimitBreach> ReaderLimitBroken(const TMusicBook& book) {
    long blocks = 1;  // the book's own
    long textLines = 0;
    for (int p = 0; p < book.SheetCount(); ++p) {
        const TMusicSheet& page = *book.GetSheet(p);
        const int pageNo = p + 1;
        if (page.ItemCount() > kMaxItemsPerPage) {
            return Breach(ReaderLimit::ItemsPerPage, pageNo,
                          UserText(SORVEL_TEXT("sorvel::model",
                                               "%1ページ目の記号が多すぎます。"
                                               "１ページに置ける記号は%2個までです。"),
                                   {UserText::Number(pageNo), UserText::Number(kMaxItemsPerPage)}));
        }
        blocks += 1 + page.ItemCount();
        if (blocks > kMaxScoreBlocks) {
            return Breach(ReaderLimit::Blocks, pageNo,
                          UserText(SORVEL_TEXT("sorvel::model",
                                               "楽譜全体の記号とページが多すぎます。"
                                               "記号とページは合わせて%1個までです。"),
                                   {UserText::Number(kMaxScoreBlocks - 1)}));
        }
        for (int i = 0; i < page.ItemCount(); ++i) {
            const TMusicItem& item = *page.GetItem(i);
            if (item.LinkCount() > kMaxLinksPerItem) {
                return Breach(
                    ReaderLimit::LinksPerItem, pageNo,
                    UserText(SORVEL_TEXT("sorvel::model",
                                         "%1ページ目に、結び付いた記号が多すぎる記号があります。"
                                         "１つの記号に結び付けられる記号は%2個までです。"),
                             {UserText::Number(pageNo), UserText::Number(kMaxLinksPerItem)}));
            }
            if (const TTextBox* box = item.As<TTextBox>()) {
                textLines += TextLinesRead(*box);
                if (textLines > kMaxTextBoxLines) {
                    return Breach(ReaderLimit::TextBoxLines, pageNo,
                                  UserText(SORVEL_TEXT("sorvel::model",
                                                       "テキストの行が多すぎます。"
                                                       "テキストは楽譜全体で%1行までです。"),
                                           {UserText::Number(kMaxTextBoxLines)}));
                }
            }
        }
    }
    return std::nullopt;
}

std::optional<ReaderLimitBreach> FileSizeLimitBroken(std::size_t bytes) {
    if (bytes <= kMaxScoreBytes) return std::nullopt;
    return Breach(ReaderLimit::FileBytes, 0,
                  UserText(SORVEL_TEXT("sorvel::model",
                                       "楽譜データが大きすぎます。"
                                       "保存できる楽譜データは%1MBまでです。"),
                           {UserText::Number(static_cast<long long>(kMaxScoreBytes >> 20))}));
}

}  // namespace sorvel
