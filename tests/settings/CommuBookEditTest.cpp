// The contact book's stored form of an edited cell, the editor's character
// rule, and the contact-book file.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include <sys/stat.h>

#include "FifoWatchdog.h"
#include "TempDir.h"
#include "core/Defaults.h"
#include "core/SharedState.h"
#include "settings/CommuBookEdit.h"

namespace {

using namespace std::string_literals;

TEST(CommuBookEdit, EditedValuesAreStoredWithOneNulOrTwoForAnEmptyCallID) {
    struct Case {
        const char* name;
        int col;
        std::string value;
        std::string callID;  // the stored bytes after the edit
        std::string entryName;
    };
    const Case cases[] = {
        {"short call ID", kBookCallIDCol, "123", "123\0 "s, "OLD\0   "s},
        {"full call ID", kBookCallIDCol, "12345", "12345", "OLD\0   "s},
        {"empty call ID", kBookCallIDCol, "", "\0\0   "s, "OLD\0   "s},
        {"short name", kBookNameCol, "ABC", "99\0  "s, "ABC\0   "s},
        {"full name", kBookNameCol, "ABCDEFG", "99\0  "s, "ABCDEFG"},
        {"empty name", kBookNameCol, "", "99\0  "s, "\0      "s},
        {"the index column", 0, "7", "99\0  "s, "OLD\0   "s},
    };
    for (const Case& c : cases) {
        CommuBookItem entry;
        entry.No = 4;
        entry.CallID.SetNulEnded("99");
        entry.Name.SetNulEnded("OLD");
        StoreBookField(entry, c.col, c.value);
        EXPECT_EQ(entry.CallID.raw(), c.callID) << c.name;
        EXPECT_EQ(entry.Name.raw(), c.entryName) << c.name;
        EXPECT_EQ(entry.No, 4) << c.name;
        EXPECT_EQ(c.col == kBookNameCol ? entry.Name.value() : entry.CallID.value(),
                  c.col == 0 ? "99" : c.value)
            << c.name << " reads back as typed";
    }
}

TEST(CommuBookEdit, EachColumnTakesItsOwnCharacters) {
    // What the box keeps of the typed keys (all it keeps is ASCII).
    const auto typed = [](int col, std::u16string_view keys) {
        std::string kept;
        for (char16_t k : keys)
            if (const auto c = BookFieldChar(col, k)) kept += static_cast<char>(*c);
        return kept;
    };
    EXPECT_EQ(typed(kBookCallIDCol, u"12a4"), "124");
    EXPECT_EQ(typed(kBookCallIDCol, u" -A#*9"), "9");
    EXPECT_EQ(typed(kBookNameCol, u"ab-c d"), "ABC D");
    EXPECT_EQ(typed(kBookNameCol, u"\\~!@Z9\u00e9\u4e2d"), "Z9");
    EXPECT_EQ(typed(kBookNameCol, u"\b\x7f"), "\b\x7f") << "control codes pass to the box";
    EXPECT_EQ(typed(kBookCallIDCol, u"\b"), "\b");
}

CommuBook ExampleBook() {
    CommuBook book;
    for (int i = 0; i < kCommuBookSize; ++i) {
        CommuBookItem& e = book[static_cast<std::size_t>(i)];
        e.No = static_cast<int16_t>(i);
        StoreBookField(e, kBookCallIDCol, std::to_string(i * 7));
        StoreBookField(e, kBookNameCol, "N" + std::to_string(i));
    }
    return book;
}

TEST(CommuBookFile, EntriesAreFourteenBytesEachInFieldOrder) {
    CommuBook book = ExampleBook();
    book[0].No = 0;
    StoreBookField(book[0], kBookCallIDCol, "123");
    StoreBookField(book[0], kBookNameCol, "ABC");
    book[99].No = 0x1234;
    const std::vector<uint8_t> bytes = PackBook(book);
    ASSERT_EQ(bytes.size(), 1400U);
    EXPECT_EQ(std::string(bytes.begin(), bytes.begin() + 14), "\x00\x00" "123\x00 " "ABC\x00   "s);
    EXPECT_EQ(std::string(bytes.begin() + 14 * 99, bytes.begin() + 14 * 99 + 2), "\x34\x12");
    EXPECT_EQ(UnpackBook(bytes), book) << "the file carries numbers and fills as they stand";
}

TEST(CommuBookFile, TheDefaultBookIsNumberedEntriesWithEmptyFields) {
    InitCommuBook();
    const std::vector<uint8_t> bytes = PackBook(CurData.CommuBook);
    ASSERT_EQ(bytes.size(), 1400U);
    EXPECT_EQ(std::string(bytes.begin() + 14 * 37, bytes.begin() + 14 * 38), "\x25\x00" "\x00    " "\x00      "s);
}

TEST(CommuBookFile, ABookIsReadOnlyFromAWholeRecord) {
    const std::vector<uint8_t> bytes = PackBook(ExampleBook());
    EXPECT_FALSE(UnpackBook(std::span(bytes).first(1399)));
    EXPECT_FALSE(UnpackBook({}));
    std::vector<uint8_t> longer = bytes;
    longer.resize(2000, 0xFF);
    EXPECT_EQ(UnpackBook(longer), ExampleBook()) << "bytes after the record are not the book's";
}

TEST(CommuBookFile, ReadingFailsWithoutTouchingTheFile) {
    TempDir dir;
    const std::string missing = dir.file("missing.cb");
    EXPECT_FALSE(ReadBookFile(missing));
    EXPECT_FALSE(std::filesystem::exists(missing)) << "a failed import creates no file";
    const std::string shortFile = dir.write("short.cb", std::string(1399, 'x'));
    EXPECT_FALSE(ReadBookFile(shortFile));
    EXPECT_EQ(dir.read("short.cb"), std::string(1399, 'x'));
    EXPECT_FALSE(ReadBookFile(dir.path())) << "a folder";
}

TEST(CommuBookFile, WritingReplacesOnlyTheRecordAndRoundTrips) {
    TempDir dir;
    const CommuBook book = ExampleBook();
    const std::string fresh = dir.file("fresh.cb");
    ASSERT_TRUE(WriteBookFile(fresh, book));
    EXPECT_EQ(dir.read("fresh.cb").size(), 1400U);
    EXPECT_EQ(ReadBookFile(fresh), book);

    const std::string longer = dir.write("longer.cb", std::string(1500, 'z'));
    ASSERT_TRUE(WriteBookFile(longer, book));
    const std::string after = dir.read("longer.cb");
    ASSERT_EQ(after.size(), 1500U) << "an existing file is never shortened";
    const std::vector<uint8_t> packed = PackBook(book);
    EXPECT_EQ(after.substr(0, 1400), std::string(packed.begin(), packed.end()));
    EXPECT_EQ(after.substr(1400), std::string(100, 'z'));

    EXPECT_FALSE(WriteBookFile(dir.file("no/such/folder/book.cb"), book));
}

TEST(CommuBookFile, AnExportOverAFileOfSeveralMegabytesKeepsItsRest) {
    TempDir dir;
    std::string old(2 * 1024 * 1024, '\0');
    for (std::size_t i = 0; i < old.size(); ++i) old[i] = static_cast<char>(i % 253);
    const std::string path = dir.write("big.cb", old);
    const CommuBook book = ExampleBook();
    ASSERT_TRUE(WriteBookFile(path, book));
    const std::string after = dir.read("big.cb");
    ASSERT_EQ(after.size(), old.size());
    const std::vector<uint8_t> packed = PackBook(book);
    EXPECT_EQ(after.substr(0, 1400), std::string(packed.begin(), packed.end()));
    EXPECT_TRUE(after.compare(1400, std::string::npos, old, 1400) == 0) << "the rest as it was";
    EXPECT_EQ(ReadBookFile(path), book);
}

TEST(CommuBookFile, AReadOnlyFileOrAFifoIsLeftAsItIs) {
    TempDir dir;
    const std::string readOnly = dir.write("ro.cb", std::string(1400, 'r'));
    ASSERT_EQ(::chmod(readOnly.c_str(), 0444), 0);
    EXPECT_FALSE(WriteBookFile(readOnly, ExampleBook()));
    EXPECT_EQ(dir.read("ro.cb"), std::string(1400, 'r'));

    const std::string fifo = dir.file("fifo.cb");
    FifoWatchdog watchdog({fifo});
    EXPECT_FALSE(ReadBookFile(fifo));
    EXPECT_FALSE(WriteBookFile(fifo, ExampleBook()));
    EXPECT_FALSE(watchdog.fired());
    EXPECT_TRUE(std::filesystem::is_fifo(fifo));
}

}  // namespace
