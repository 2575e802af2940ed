// SPDX-License-Identifier: GPL-3.0-or-later
// Text with line breaks and other control characters in every string field of
// the book, its pages and every item class: the file keeps one line per key,
// no text can add a key, and every value reads back as it was set.
#include <set>
#include <string>
#include <vector>

#include "base/commatext.h"
#include "model/itemfactory.h"
#include "scorefixture.h"

namespace sorvel::testing {
namespace {

// The class names the factory makes, one item of each.
const char* const kItemClassNames[] = {
    "TNote",   "TBarLine", "TBeat", "THorizBar", "TMusicSign", "TCresc", "TSlur",
    "TRenTon", "TKakko",   "T3ren", "TDaonLeft", "TDaonRight", "TTempo", "TTextBox"};

// Text that tries to end its line and start key lines and blocks of its own.
const char kCrafted[] =
    "Tune\n  PlayCount=300\r\n  KeyCode=x\rend   TMusicSheet\n\tclass TNote\x01\x7F end";

// Every object whose properties the file writes: the book, its page, its items.
std::vector<Persistent*> Objects(TMusicBook& book) {
    std::vector<Persistent*> all{&book, book.GetSheet(0)};
    TMusicSheet& page = *book.GetSheet(0);
    for (int i = 0; i < page.ItemCount(); ++i) all.push_back(page.GetItem(i));
    return all;
}

// The string properties the setters accept, as the file writes them.
std::vector<std::string> StringValues(Persistent& object) {
    std::vector<std::string> values;
    for (const PropertyInfo& p : object.Properties().All()) {
        if (p.type == PropType::String && p.set) values.push_back(p.get(object));
    }
    return values;
}

// The key of every key line, in file order: what the file says exists.
std::vector<std::string> KeysOf(const std::string& bytes) {
    std::vector<std::string> keys;
    for (const std::string& line : SplitScoreLines(bytes)) {
        keys.push_back(line.substr(0, line.find('=')));
    }
    return keys;
}

class FieldTextTest : public ScoreTest {
protected:
    // A book of one page with one item of every class, each at its own place
    // so that the order of items is kept by reading.
    TMusicBook& MakeBook() {
        books.push_back(std::make_unique<TMusicBook>(env));
        TMusicBook& book = *books.back();
        book.ApplyDefaultLayout();
        TMusicSheet& page = *book.NewSheet();
        std::set<ItemClass> classes;
        int x = 100;
        for (const char* name : kItemClassNames) {
            TMusicItem* item = CreateItemByClassName(name, page);
            item->SetPosX(x += 30);
            item->SetPosY(200);
            classes.insert(item->Class());
        }
        EXPECT_EQ(classes.size(), static_cast<size_t>(ItemClass::TextBox) + 1);
        return book;
    }

    // Sets every string property of every object to `text`.
    static void SetEveryField(TMusicBook& book, const std::string& text) {
        for (Persistent* object : Objects(book)) {
            for (const PropertyInfo& p : object->Properties().All()) {
                if (p.type == PropType::String && p.set) p.set(*object, text);
            }
        }
    }

    // Saves the book and reads it back; checks the key lines against those
    // of the book before its fields were set, and returns the book read.
    TMusicBook& SaveAndRead(TMusicBook& book, const std::vector<std::string>& plainKeys) {
        const std::string bytes = Save(book);
        EXPECT_EQ(KeysOf(bytes), plainKeys);
        for (const char b : bytes) {
            const auto u = static_cast<unsigned char>(b);
            EXPECT_FALSE(u < 0x20 && b != '\r' && b != '\n') << "a raw control in the file";
        }
        return ReadOk(bytes);
    }
};

TEST_F(FieldTextTest, TextTypedWithLineBreaksReadsBackAsTypedInEveryField) {
    TMusicBook& book = MakeBook();
    const std::vector<std::string> plainKeys = KeysOf(Save(book));
    const int playCount = book.GetSheet(0)->PlayCount();
    const std::string keyCode = book.GetSheet(0)->KeyCode();

    SetEveryField(book, cp932::FromUtf8(kCrafted));
    std::vector<std::vector<std::string>> written;
    for (Persistent* object : Objects(book)) written.push_back(StringValues(*object));

    TMusicBook& back = SaveAndRead(book, plainKeys);
    const std::vector<Persistent*> read = Objects(back);
    ASSERT_EQ(read.size(), written.size());
    for (size_t i = 0; i < read.size(); ++i) {
        EXPECT_EQ(StringValues(*read[i]), written[i]) << read[i]->ClassName();
    }
    // Every free text field holds the crafted text, line breaks and all.
    TMusicSheet& page = *back.GetSheet(0);
    for (const std::string& field : {back.Title(), page.Title(), page.Writer(), page.PlaySpeed()}) {
        EXPECT_EQ(cp932::ToUtf8(field), kCrafted);
    }
    EXPECT_EQ(cp932::ToUtf8(page.KeyCode()), kCrafted);
    EXPECT_NE(page.KeyCode(), keyCode);
    EXPECT_EQ(page.PlayCount(), playCount);  // not the 300 the text spells
    EXPECT_EQ(back.SheetCount(), 1);
    EXPECT_EQ(page.ItemCount(), static_cast<int>(std::size(kItemClassNames)));
}

// Values that never went through the codec (an older file, a program's own
// text) with raw line ends: written as references all the same, they read
// back as the same text and add no key.
TEST_F(FieldTextTest, RawControlBytesInAValueAreWrittenAsReferences) {
    TMusicBook& book = MakeBook();
    const std::vector<std::string> plainKeys = KeysOf(Save(book));
    SetEveryField(book, kCrafted);
    std::vector<std::vector<std::string>> shown;
    for (Persistent* object : Objects(book)) {
        std::vector<std::string> values = StringValues(*object);
        for (std::string& v : values) v = cp932::ToUtf8(v);
        shown.push_back(values);
    }
    TMusicBook& back = SaveAndRead(book, plainKeys);
    const std::vector<Persistent*> read = Objects(back);
    ASSERT_EQ(read.size(), shown.size());
    for (size_t i = 0; i < read.size(); ++i) {
        std::vector<std::string> values = StringValues(*read[i]);
        for (std::string& v : values) v = cp932::ToUtf8(v);
        EXPECT_EQ(values, shown[i]) << read[i]->ClassName();
    }
    EXPECT_EQ(cp932::ToUtf8(back.GetSheet(0)->Writer()), kCrafted);
}

// Control bytes read from a file (inside a quoted text-box line, inside a
// title) are held as references at once, so the file saved from what was
// read reads back and saves as the same bytes.
TEST_F(FieldTextTest, AFileWithRawControlBytesSavesTheSameTwice) {
    TMusicBook& book = MakeBook();
    std::string text = Save(book);
    const std::string plainBox = "  CSVText=" + JoinCommaText({cp932::FromUtf8("テキスト入力")});
    const size_t at = text.find(plainBox);
    ASSERT_NE(at, std::string::npos);
    text.replace(at, plainBox.size(), "  CSVText=\"x\x05y\",\"a\tb\"");
    const std::string title = "  Title=\r\n";
    text.replace(text.find(title), title.size(), "  Title=t\x01u\r\n");
    const std::string first = Save(ReadOk(text));
    const std::string second = Save(ReadOk(first));
    EXPECT_EQ(second, first);
    EXPECT_NE(first.find("  CSVText=x&#x0005;y,a&#x0009;b\r\n"), std::string::npos);
    EXPECT_NE(first.find("  Title=t&#x0001;u\r\n"), std::string::npos);
}

// A text typed with a literal "&#xA;" keeps it as text: it is no line break.
TEST_F(FieldTextTest, ReferenceTextTypedByTheUserStaysText) {
    TMusicBook& book = MakeBook();
    const char typed[] = "Tune&#xA;  PlayCount=300&#x000A;&#x26;#xA;";
    book.GetSheet(0)->SetWriter(cp932::FromUtf8(typed));
    TMusicBook& back = SaveAndRead(book, KeysOf(Save(book)));
    EXPECT_EQ(cp932::ToUtf8(back.GetSheet(0)->Writer()), typed);
    EXPECT_EQ(cp932::SplitLineBreaks(back.GetSheet(0)->Writer()).size(), 1u);
}

}  // namespace
}  // namespace sorvel::testing
