#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ProgramSandbox.h"
#include "core/Defaults.h"
#include "core/SharedState.h"
#include "settings/CommuBookSort.h"
#include "settings/ModNote.h"

namespace {

class CommuBookSortTest : public ::testing::Test {
protected:
    void SetUp() override { InitCommuBook(); }

    static void Entry(int i, std::string callID, std::string name) {
        CurData.CommuBook[i].CallID = callID;
        CurData.CommuBook[i].Name = name;
    }
    // The names of the first n entries.
    static std::vector<std::string> Names(int n) {
        std::vector<std::string> out;
        for (int i = 0; i < n; ++i) out.push_back(CurData.CommuBook[i].Name.value());
        return out;
    }

    ProgramSandbox sandbox;
};

const std::string NUL(1, '\0');

}  // namespace

TEST_F(CommuBookSortTest, DefaultBookIsUnchanged) {
    const auto before = CurData.CommuBook;
    SortCommBook();
    EXPECT_EQ(CurData.CommuBook, before);
}

TEST_F(CommuBookSortTest, Orders) {
    struct Case {
        const char* name;
        std::vector<std::string> ids;  // entries 0.. (names "0", "1", ...)
        std::vector<std::string> order;
    };
    const Case cases[] = {
        {"empty IDs last, their order from the exchange sort", {"", "", "5" + NUL}, {"2", "1", "0"}},
        {"longer first among shared digits; blank before the end",
         {"12" + NUL, "12345", "123" + NUL, "12   "},
         {"1", "2", "3", "0"}},
        {"keys 90000, 95BBB, 9BBBB", {"9" + NUL, "95" + NUL, "90000"}, {"2", "1", "0"}},
        {"a leading blank reads as A", {"5" + NUL, " 5" + NUL, "" }, {"0", "1", "2"}},
        {"lower-case hex letters are keys too", {"ab" + NUL, "AA" + NUL}, {"1", "0"}},
    };
    for (const auto& c : cases) {
        SetUp();
        for (std::size_t i = 0; i < c.ids.size(); ++i)
            Entry(static_cast<int>(i), c.ids[i], std::to_string(i));
        SortCommBook();
        EXPECT_EQ(Names(static_cast<int>(c.order.size())), c.order) << c.name;
        for (int i = 0; i < 100; ++i) EXPECT_EQ(CurData.CommuBook[i].No, i) << c.name;
        const auto once = CurData.CommuBook;
        SortCommBook();
        EXPECT_EQ(CurData.CommuBook, once) << c.name << ": a second sort changes nothing";
    }
}

TEST_F(CommuBookSortTest, EntriesKeepTheirStoredTexts) {
    Entry(3, "12   ", "SAM");
    SortCommBook();
    EXPECT_EQ(CurData.CommuBook[0].CallID.raw(), "12   ");
    EXPECT_EQ(CurData.CommuBook[0].Name.value(), "SAM");
}

TEST_F(CommuBookSortTest, DamagedNumbersLoseNoEntry) {
    for (int i = 0; i < 100; ++i) {
        Entry(i, std::to_string(99 - i) + NUL, "N" + std::to_string(i));
        CurData.CommuBook[i].No = static_cast<int16_t>(i % 3 == 0 ? 7 : 500);
    }
    SortCommBook();
    for (int k = 0; k < 100; ++k) {
        // Keys 0BBBB.. 99BBB: "0" < "1" < "10" < "11" ... by key, every entry once.
        EXPECT_EQ(CurData.CommuBook[k].No, k);
    }
    std::vector<std::string> names = Names(100);
    std::sort(names.begin(), names.end());
    EXPECT_EQ(std::unique(names.begin(), names.end()), names.end());
    EXPECT_EQ(CurData.CommuBook[0].CallID.value(), "0");
    EXPECT_EQ(CurData.CommuBook[0].Name.value(), "N99");
}

TEST_F(CommuBookSortTest, KeyThatIsNoNumberChangesNothing) {
    Entry(0, "5" + NUL, "A");
    Entry(1, "1*" + NUL, "B");
    const auto before = CurData.CommuBook;
    EXPECT_THROW(SortCommBook(), CommuBookKeyError);
    EXPECT_EQ(CurData.CommuBook, before);
}

TEST(ModNoteTest, CodesAndCharacters) {
    struct Case {
        std::string text;
        int16_t code;
    };
    const Case codes[] = {{"0", 0}, {"9", 9}, {"A", 10}, {"Z", 35}, {"ZA", 35}, {"a", 36},
                          {" ", 36}, {"-", 36}, {NUL, 36}, {"\xC4", 36}, {"", 36}};
    for (const auto& c : codes) EXPECT_EQ(GetNoteCode(c.text), c.code) << '"' << c.text << '"';

    const Case chars[] = {{"0", 0}, {"9", 9}, {"A", 10}, {"Z", 35}, {NUL, 36}, {NUL, 200}, {NUL, -1}};
    for (const auto& c : chars) EXPECT_EQ(GetNoteChar(c.code), c.text) << c.code;
}
