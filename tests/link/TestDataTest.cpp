// The factory test record: the marker file, .ted files on their own and
// beside data files, the saved copy and the change test, and the editor's
// rules.
#include <gtest/gtest.h>

#include <filesystem>

#include "ProgramSandbox.h"
#include "TestRecordBytes.h"
#include "core/DataFiles.h"
#include "core/FactoryDataHooks.h"
#include "core/SavedCopy.h"
#include "core/SharedState.h"
#include "link/TestData.h"
#include "link/TestDataEditor.h"

using namespace std::string_literals;
using platform::Answer;
using platform::Buttons;

namespace {

const std::string kMarker(kFactoryMarkerText);

class FactoryData : public testing::Test {
protected:
    // Factory mode on through the marker file, as at start-up.
    void StartInFactoryMode() {
        folder.write("TestData.ini", kMarker);
        InitTestData();
        ASSERT_TRUE(TestDataEnable);
    }

    ProgramSandbox folder;
    ScriptedPrompts& prompts = folder.prompts;
};

TEST_F(FactoryData, MarkerFileRule) {
    struct Case {
        const char* name;
        std::optional<std::string> content;  // nothing: no file
        bool on;
    };
    const Case cases[] = {
        {"the marker alone", kMarker, true},
        {"followed by blanks", kMarker + "      ", true},
        {"blanks up to 128 bytes and more after", kMarker + std::string(95, ' ') + "tail", true},
        {"followed by a NUL and anything", kMarker + "\0junk after"s, true},
        {"blanks, then a NUL", kMarker + "  \0"s, false},
        {"followed by a line break", kMarker + "\r\n", false},
        {"in other letter case", "zl627pq_4418_service_checksetbits", false},
        {"preceded by a blank", " " + kMarker, false},
        {"after the 128th byte", std::string(128, ' ') + kMarker, false},
        {"cut short", kMarker.substr(0, 20), false},
        {"empty file", "", false},
        {"no file", std::nullopt, false},
    };
    for (const auto& c : cases) {
        std::filesystem::remove(folder.file("TestData.ini"));
        if (c.content) folder.write("TestData.ini", *c.content);
        TestData = CountingRecord(1);
        OldTestData = CountingRecord(2);
        InitTestData();
        EXPECT_EQ(TestDataEnable, c.on) << c.name;
        EXPECT_EQ(TestData, TestRecord{}) << c.name;
        EXPECT_EQ(OldTestData, TestRecord{}) << c.name;
    }
    // A folder of that name is no marker.
    std::filesystem::remove(folder.file("TestData.ini"));
    std::filesystem::create_directory(folder.file("TestData.ini"));
    InitTestData();
    EXPECT_FALSE(TestDataEnable);
}

TEST_F(FactoryData, CompanionPathReplacesTheExtensionOrAppendsOne) {
    EXPECT_EQ(TedCompanionPath("C:\\radio\\shop.dat"), "C:\\radio\\shop.ted");
    EXPECT_EQ(TedCompanionPath("/x/shop.DAT"), "/x/shop.ted");
    // A name without an extension keeps its folder and its whole name.
    EXPECT_EQ(TedCompanionPath("/x/shopdat"), "/x/shopdat.ted");
    EXPECT_EQ(TedCompanionPath("/d/data/ab"), "/d/data/ab.ted");
    EXPECT_EQ(TedCompanionPath("/d/data/"), std::nullopt);
}

TEST_F(FactoryData, TedFilesAreTakenOnlyWhole) {
    const TestRecord written = CountingRecord(0x40);
    ASSERT_TRUE(WriteTedFile(folder.file("a.ted"), written));
    EXPECT_EQ(folder.read("a.ted"), RecordBytes(written));
    EXPECT_EQ(TedFileName, folder.file("a.ted"));

    TestRecord record{};
    EXPECT_EQ(ReadTedFile(folder.file("a.ted"), record), TedReadResult::Read);
    EXPECT_EQ(record, written);

    // A longer file gives its first 48 bytes.
    folder.write("long.ted", RecordBytes(CountingRecord(7)) + "tail");
    EXPECT_EQ(ReadTedFile(folder.file("long.ted"), record), TedReadResult::Read);
    EXPECT_EQ(record, CountingRecord(7));
    EXPECT_EQ(TedFileName, folder.file("long.ted"));
    // and a write over it keeps what follows them.
    ASSERT_TRUE(WriteTedFile(folder.file("long.ted"), written));
    EXPECT_EQ(folder.read("long.ted"), RecordBytes(written) + "tail");

    // A short or missing file changes neither the record nor the name.
    folder.write("short.ted", RecordBytes(CountingRecord(9)).substr(0, 47));
    EXPECT_EQ(ReadTedFile(folder.file("short.ted"), record), TedReadResult::TooShort);
    EXPECT_EQ(ReadTedFile(folder.file("none.ted"), record), TedReadResult::Missing);
    EXPECT_EQ(record, CountingRecord(7));
    EXPECT_EQ(TedFileName, folder.file("long.ted"));

    EXPECT_FALSE(WriteTedFile(folder.file("no/such/folder/b.ted"), written));
    EXPECT_EQ(TedFileName, folder.file("long.ted"));
}

TEST_F(FactoryData, DataFilesCarryTheTestRecordInFactoryMode) {
    StartInFactoryMode();
    TestData = CountingRecord(0x10);
    DataFileName = folder.file("shop.dat");
    ASSERT_TRUE(WriteDatFile());
    EXPECT_EQ(folder.read("shop.ted"), RecordBytes(CountingRecord(0x10)));
    EXPECT_EQ(OldTestData, TestData);
    EXPECT_FALSE(IsDataChanged());

    // An edit of one byte is a change; loading the file brings the record back.
    TestData[40] ^= 0xFF;
    EXPECT_TRUE(IsDataChanged());
    ASSERT_TRUE(ReadDatFile(folder.file("shop.dat")));
    EXPECT_EQ(TestData, CountingRecord(0x10));
    EXPECT_EQ(OldTestData, CountingRecord(0x10));
    EXPECT_EQ(TedFileName, folder.file("shop.ted"));
    EXPECT_FALSE(IsDataChanged());

    // Without a .ted the saved record of before becomes the working one.
    std::filesystem::remove(folder.file("shop.ted"));
    TestData = CountingRecord(0x80);
    ASSERT_TRUE(ReadDatFile(folder.file("shop.dat")));
    EXPECT_EQ(TestData, CountingRecord(0x10));

    // A short .ted refuses the whole load: nothing changes.
    folder.write("shop.ted", "short");
    TestData = CountingRecord(0x80);
    prompts.expect("file error.\n" + folder.file("shop.ted") + ": Shorter than its 48-byte record", Buttons::Ok,
                   Answer::Ok);
    EXPECT_FALSE(ReadDatFile(folder.file("shop.dat")));
    EXPECT_EQ(TestData, CountingRecord(0x80));
    EXPECT_EQ(OldTestData, CountingRecord(0x10));
}

TEST_F(FactoryData, OutsideFactoryModeTheRecordIsNoPartOfTheData) {
    InitTestData();
    ASSERT_FALSE(TestDataEnable);
    DataFileName = folder.file("shop.dat");
    ASSERT_TRUE(WriteDatFile());
    EXPECT_FALSE(std::filesystem::exists(folder.file("shop.ted")));

    TestData = CountingRecord(1);
    EXPECT_FALSE(IsDataChanged());
    SaveOldRadioData();
    EXPECT_EQ(OldTestData, TestRecord{});

    folder.write("shop.ted", RecordBytes(CountingRecord(5)));
    ASSERT_TRUE(ReadDatFile(folder.file("shop.dat")));
    EXPECT_EQ(TestData, CountingRecord(1));
    EXPECT_EQ(OldTestData, TestRecord{});
}

TEST(TestDataEditorRules, HexBoxesParseToBytes) {
    struct Case {
        const char* text;
        std::optional<uint8_t> byte;
    };
    const Case cases[] = {
        {"00", 0x00}, {"7F", 0x7F}, {"ff", 0xFF}, {"A", 0x0A}, {"", std::nullopt},
        {"G1", std::nullopt}, {"-1", std::nullopt}, {"100", std::nullopt}, {" 5", std::nullopt},
    };
    for (const auto& c : cases) EXPECT_EQ(ParseHexByte(c.text), c.byte) << '"' << c.text << '"';

    std::array<std::string, kTestDataSize> texts;
    texts.fill("11");
    texts[5] = "";
    texts[40] = "XY";
    TestRecord record = CountingRecord(0);
    EXPECT_EQ(ParseTestBoxes(texts, record), (std::vector<int>{5, 40}));
    EXPECT_EQ(record[4], 0x11);
    EXPECT_EQ(record[5], 5);    // kept
    EXPECT_EQ(record[40], 40);  // kept
    EXPECT_EQ(record[47], 0x11);
}

TEST(TestDataEditorRules, OnlyBytes2To31HaveBoxesOnShowInTwoColumns) {
    for (int i : {0, 1, 32, 47}) EXPECT_FALSE(TestBoxPlaceOf(i)) << i;
    struct Case {
        int index, column, row;
    };
    const Case cases[] = {{2, 0, 0}, {15, 0, 13}, {30, 0, 14}, {16, 1, 0}, {29, 1, 13}, {31, 1, 14}};
    for (const auto& c : cases) {
        const auto place = TestBoxPlaceOf(c.index);
        ASSERT_TRUE(place) << c.index;
        EXPECT_EQ(place->column, c.column) << c.index;
        EXPECT_EQ(place->row, c.row) << c.index;
    }
    // The UHF column has no 192 Hz byte, so its labels shift against the VHF ones.
    EXPECT_EQ(TestByteLabel(13, 1), "VHF CTCSS of 192Hz");
    EXPECT_EQ(TestByteLabel(27, 1), "UHF CTCSS of 254Hz");
    EXPECT_EQ(TestByteLabel(29, 2), "UHF AGC");
    EXPECT_EQ(TestByteLabel(2, 2), "VHF频率调整");
    EXPECT_EQ(TestByteLabel(0, 1), "");
    EXPECT_EQ(TestByteLabel(32, 1), "");
}

}  // namespace
