// SPDX-License-Identifier: GPL-3.0-or-later
// The score reader, building a complete new book before anything of the
// caller's is touched.
#include <new>
#include <stdexcept>

#include "model/modelenv.h"
#include "model/musicbook.h"
#include "model/musicsheet.h"
#include "model/scoreblock.h"
#include "model/scorefile.h"
#include "model/timing.h"

namespace sorvel {
namespace {

using scorefile::LineCursor;
using scorefile::LineKind;
using scorefile::ScoreBlock;

// Sets the undo manager aside while the book is built: nothing read is
// recorded, whatever group the caller has open.
class UndoAside {
public:
    explicit UndoAside(ModelEnv& env) : env_(env), saved_(env.undo) { env_.undo = nullptr; }
    ~UndoAside() { env_.undo = saved_; }
    UndoAside(const UndoAside&) = delete;
    UndoAside& operator=(const UndoAside&) = delete;

private:
    ModelEnv& env_;
    TUndo* saved_;
};

bool StartsWithHeader(std::string_view bytes) {
    LineCursor lines(bytes);
    std::string_view first;
    return lines.Next(first) && first == kScoreHeader;
}

// Step 4 of the reader: the factory at every end line.
class BookBuilder {
public:
    explicit BookBuilder(ModelEnv& env) : env_(env) {}

    // False when the text must be rejected (status says why).
    bool OnEnd(const ScoreBlock& block) {
        // An end line may make an object: their number bounds the work.
        if (++blocks_ > kMaxScoreBlocks) return Reject(ReadStatus::TooLarge);
        const std::string_view name = block.ClassName();
        if (name == "TMusicBook") {
            if (book) return Reject(ReadStatus::Malformed);  // a second book: not a file we wrote
            book = std::make_unique<TMusicBook>(env_);
            scorefile::LoadBook(*book, block);
            page_ = nullptr;
        } else if (name == "TMusicSheet") {
            if (!book) return true;  // a page before any book is skipped
            page_ = book->NewSheet();
            page_->SuspendSorting();
            scorefile::LoadSheet(*page_, block);
        } else if (page_) {
            if (scorefile::MakeItem(*page_, block, page_->ItemCount(), textLines_).overLimit) {
                return Reject(ReadStatus::TooLarge);
            }
        }
        return true;
    }

    std::unique_ptr<TMusicBook> book;
    ReadStatus status = ReadStatus::Ok;

private:
    bool Reject(ReadStatus s) {
        status = s;
        return false;
    }

    ModelEnv& env_;
    TMusicSheet* page_ = nullptr;
    long blocks_ = 0;
    long textLines_ = 0;
};

ReadResult Build(std::string_view bytes, ModelEnv& env) {
    BookBuilder builder(env);
    ScoreBlock block;
    LineCursor lines(bytes);
    std::string_view line;
    while (lines.Next(line)) {
        if (scorefile::FeedLine(line, block) == LineKind::End && !builder.OnEnd(block)) break;
    }
    if (builder.status == ReadStatus::TooLarge)
        return ReadFailure(ReadStatus::TooLarge, kMsgTooLarge);
    if (builder.status != ReadStatus::Ok || !builder.book || builder.book->SheetCount() == 0) {
        return ReadFailure(ReadStatus::Malformed, kMsgMalformed);
    }
    TMusicBook& book = *builder.book;
    for (int p = 0; p < book.SheetCount(); ++p) {
        TMusicSheet& page = *book.GetSheet(p);
        page.ResumeSorting();
        scorefile::ResolveLinksAndClearNames(page);
        ComputeTiming(page);
    }
    ReadResult result;
    result.status = ReadStatus::Ok;
    result.book = std::move(builder.book);
    return result;
}

}  // namespace

ReadResult ReadFailure(ReadStatus status, const char* message) {
    ReadResult result;
    result.status = status;
    if (*message) result.message = UserText(kModelTexts, message);
    return result;
}

ReadResult ReadScoreBytes(std::string_view bytes, ModelEnv& env) {
    if (!StartsWithHeader(bytes)) return ReadFailure(ReadStatus::NotAScore, "");
    if (bytes.size() > kMaxScoreBytes) return ReadFailure(ReadStatus::TooLarge, kMsgTooLarge);
    UndoAside aside(env);
    try {
        return Build(bytes, env);
    } catch (const std::bad_alloc&) {
        return ReadFailure(ReadStatus::TooLarge, kMsgTooLarge);
    } catch (const std::exception&) {
        return ReadFailure(ReadStatus::Malformed, kMsgMalformed);
    }
}

}  // namespace sorvel
