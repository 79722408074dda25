// The event records listed newest first, and stored back packed.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "core/RadioRecord.h"
#include "settings/NoteList.h"

namespace {

using namespace std::string_literals;

RadioData WithNotes(int16_t noteIndex, const std::map<int, std::string>& slots) {
    RadioData data;
    for (auto& note : data.Note) note = FixStr<8>::NulText();
    for (const auto& [slot, text] : slots) data.Note[static_cast<std::size_t>(slot)].SetNulEnded(text);
    data.NoteIndex = noteIndex;
    return data;
}

TEST(NoteList, ListsNewestFirstThroughTheRing) {
    const std::map<int, std::string> ring = {{3, "S3"}, {2, "S2"}, {1, "S1"}, {0, "S0"}, {15, "S15"}, {14, "S14"}};
    struct Case {
        const char* name;
        int16_t noteIndex;
        std::vector<std::string> listed;
    };
    const Case cases[] = {
        {"from slot 3 down, wrapping to 15", 3, {"S3", "S2", "S1", "S0", "S15", "S14"}},
        {"20 is slot 4", 20, {"S3", "S2", "S1", "S0", "S15", "S14"}},
        {"from slot 15", 15, {"S15", "S14", "S3", "S2", "S1", "S0"}},
        {"a negative index from a file: -1 is slot 15", -1, {"S15", "S14", "S3", "S2", "S1", "S0"}},
        {"-17 is slot 15 as well", -17, {"S15", "S14", "S3", "S2", "S1", "S0"}},
    };
    for (const auto& c : cases) EXPECT_EQ(NoteListTexts(WithNotes(c.noteIndex, ring)), c.listed) << c.name;

    // Blank-padded records and records without any NUL read through the field's value.
    RadioData data = WithNotes(0, {});
    data.Note[0] = FixStr<8>::Of("12345678");
    data.Note[15] = FixStr<8>::Of("AB");
    data.Note[14] = FixStr<8>::Of("\0XYZ"s);
    EXPECT_EQ(NoteListTexts(data), (std::vector<std::string>{"12345678", "AB"}));
}

TEST(NoteList, OKPacksTheRecordsIntoTheLowestSlots) {
    RadioData data = WithNotes(3, {{3, "S3"}, {2, "S2"}, {1, "S1"}, {0, "S0"}, {15, "S15"}, {14, "S14"}});
    StoreNoteList(data, NoteListTexts(data));
    EXPECT_EQ(data.NoteIndex, 5);
    const std::vector<std::string> slots = {"S14", "S15", "S0", "S1", "S2", "S3"};
    for (std::size_t i = 0; i < slots.size(); ++i) EXPECT_EQ(data.Note[i].value(), slots[i]) << "slot " << i;
    EXPECT_EQ(data.Note[5].raw(), "S3\0     "s);
    for (std::size_t i = 6; i < data.Note.size(); ++i) EXPECT_EQ(data.Note[i], FixStr<8>::NulText()) << "slot " << i;

    StoreNoteList(data, {"12345678", "7"});
    EXPECT_EQ(data.NoteIndex, 1);
    EXPECT_EQ(data.Note[1].raw(), "12345678") << "a full record keeps no NUL";
    EXPECT_EQ(data.Note[0].raw(), "7\0      "s);

    StoreNoteList(data, {});
    EXPECT_EQ(data.NoteIndex, 0);
    for (const auto& note : data.Note) EXPECT_EQ(note, FixStr<8>::NulText());
}

}  // namespace
