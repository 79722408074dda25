// The option dialog's rules: list items and fields, the long-press time, the
// scrambler words in hertz, the power-on characters and what OK stores.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ListItemsCase.h"
#include "ProgramSandbox.h"
#include "core/Defaults.h"
#include "core/LangText.h"
#include "core/SharedState.h"
#include "settings/OptionEdit.h"

namespace {

using namespace std::string_literals;

std::string T(int id) { return GetLangText(static_cast<int16_t>(id)); }

class OptionEditTest : public testing::Test {
protected:
    void SetUp() override { InitOptionData(); }
    ProgramSandbox sandbox;
};

TEST_F(OptionEditTest, ListsHoldTheirItemsInOrder) {
    const ListItemsCase cases[] = {
        {0, 3, T(1750), T(1752)},
        {1, 21, "0", "20"},
        {6, 5, T(1755), "1450Hz"},
        {7, 31, T(1755), "30" + T(1782)},
        {9, 25, T(1755), "12.0" + T(1783)},
        {10, 4, "1.0" + T(1781), "2.5" + T(1781)},
        {11, 4, T(1755), "RX&TX"},
        {17, 19, T(1755), T(1852)},
        {18, 2, T(1773), T(1774)},
        {21, 19, T(1755), T(1852)},
        {23, 5, T(1755), "FULL"},
        {24, 32, "1", "32"},
        {28, 2, T(8100), T(8101)},
    };
    for (const auto& c : cases) ExpectListItems(OptionListItems(c.list), c);
    EXPECT_EQ(OptionListItems(9)[1], "0.5" + T(1783));
    EXPECT_EQ(OptionListItems(17)[15], T(1798));
    EXPECT_EQ(OptionListItems(17)[16], T(1850));
    for (int i = 0; i < kOptionLists; ++i) EXPECT_FALSE(OptionListItems(i).empty()) << "Combo1(" << i << ")";
}

TEST_F(OptionEditTest, CaptionIds) {
    const std::pair<int, int> cases[] = {{0, 1702}, {17, 1719}, {18, 0}, {19, 1720}, {24, 1725}, {25, 8010}, {28, 8013}};
    for (const auto& [list, id] : cases) EXPECT_EQ(OptionListCaptionId(list), id) << "Label1(" << list << ")";
}

TEST_F(OptionEditTest, LongPressTimeAndItsItem) {
    const std::pair<int16_t, int> shown[] = {{10, 0}, {12, 0}, {15, 1}, {25, 3}, {30, 4}, {0, -2}};
    for (const auto& [time, index] : shown) EXPECT_EQ(LongPressIndex(time), index) << time;
    OptionData o;
    StoreOptionListChoice(o, kLongPressList, 2);
    EXPECT_EQ(o.LongPressTime, 20);
}

TEST_F(OptionEditTest, EachListShowsAndTakesItsOwnField) {
    OptionData o;
    o.SqlRight = 7;
    o.BgBlue = 31;
    o.DisplayModeSub = 1;
    o.PDKeyFun = 18;
    EXPECT_EQ(OptionListStoredIndex(o, 0, 2), 7);
    EXPECT_EQ(OptionListStoredIndex(o, 0, 27), 31);
    EXPECT_EQ(OptionListStoredIndex(o, 0, 18), 1);
    EXPECT_EQ(OptionListStoredIndex(o, 0, 21), 18);
    EXPECT_EQ(OptionListStoredIndex(o, 1, kBeepVolumeList), 1);

    StoreOptionListChoice(o, 12, 1);
    EXPECT_EQ(o.ARTS, 1);
    StoreOptionListChoice(o, 19, 4);
    EXPECT_EQ(o.PBKeyFun, 4);
    const OptionData before = o;
    StoreOptionListChoice(o, kBeepVolumeList, 1);  // read at OK only
    EXPECT_EQ(o, before);
    EXPECT_EQ(OptionCheckField(7), &OptionData::NoSigTailElim);
    EXPECT_EQ(OptionCheckField(kExtSpeakerCheck), nullptr);
}

TEST_F(OptionEditTest, ScramblerWordsInHertz) {
    const std::pair<int32_t, int64_t> shown[] = {
        {2731, 1000}, {65535, 23999}, {2500, 916}, {7500, 2746}, {27305, 9999}, {0, 0}, {-2731, -1000},
    };
    for (const auto& [word, hz] : shown) EXPECT_EQ(ScramblerHzOf(word), hz) << word;

    const std::pair<const char*, int32_t> stored[] = {
        {"1000", 2731}, {"9999", 27305}, {"0", 0}, {"916", 2501}, {"23999", 65535},
        {"30000", 81922 - 65536},  // only the low 16 bits go to the radio
        {" 12.5 ", 34},
    };
    for (const auto& [text, word] : stored) EXPECT_EQ(ScramblerWordOf(text), word) << text;
    for (const char* bad : {"", " ", "abc", "-5", "1e3", "99999999999"})
        EXPECT_EQ(ScramblerWordOf(bad), std::nullopt) << bad;

    for (int hz = 0; hz <= 9999; ++hz) {
        const auto word = ScramblerWordOf(std::to_string(hz));
        ASSERT_TRUE(word);
        ASSERT_EQ(ScramblerHzOf(*word), hz);
    }
}

TEST_F(OptionEditTest, PowerOnTextOneCharacterABox) {
    auto boxes = PowerOnBoxTexts(FixStr<14>::Of("Welcome"));
    EXPECT_EQ(std::vector<std::string>(boxes.begin(), boxes.begin() + 7),
              (std::vector<std::string>{"W", "e", "l", "c", "o", "m", "e"}));
    for (std::size_t i = 7; i < boxes.size(); ++i) EXPECT_EQ(boxes[i], "");

    boxes = PowerOnBoxTexts(FixStr<14>::Of("AB D\0xyz"s));
    EXPECT_EQ(boxes[2], "") << "a blank shows as an empty box";
    EXPECT_EQ(boxes[3], "D");
    EXPECT_EQ(boxes[4], "") << "nothing after the NUL";
    boxes = PowerOnBoxTexts(FixStr<14>::Of("ABCDEFGHIJKLMN"));
    EXPECT_EQ(boxes[7], "H");
    EXPECT_EQ(boxes[13], "N");

    std::array<std::string, kPowerOnBoxes> typed{"A", "B", "", "D"};
    EXPECT_EQ(PowerOnTextOf(typed).raw(), "AB D          ");

    const std::pair<char32_t, bool> chars[] = {
        {U'A', true}, {U' ', true}, {U'\\', false}, {U'~', false}, {U'\u00E9', true}, {U'\u4E2D', false},
    };
    for (const auto& [c, ok] : chars) EXPECT_EQ(IsPowerOnChar(c), ok) << static_cast<uint32_t>(c);
}

TEST_F(OptionEditTest, OKStoresTheBoxesAndTheTwoFieldsBesideTheBlock) {
    struct Case {
        const char* name;
        std::string passWord;
        std::string stored;
    };
    const Case cases[] = {
        {"3 digits", "123", "123\0   "s},
        {"7 digits", "1234567", "1234567"},
        {"empty", "", "\0      "s},
    };
    for (const auto& c : cases) {
        RadioData data = CurData;
        OptionData edit = data.FunSet.Option;
        edit.Scrambler1 = 2500;
        edit.Scrambler2 = 1234;
        edit.PowerOnText = FixStr<14>::Of("1234567HIDDEN!");
        OptionBoxes boxes;
        boxes.scrambler1 = "1000";
        boxes.scrambler2 = "";  // an empty box keeps the loaded word
        boxes.passWordEnable = 0;
        boxes.passWord = c.passWord;
        boxes.powerOn = PowerOnBoxTexts(edit.PowerOnText);
        boxes.powerOn[0] = "X";
        boxes.beepVolumeIndex = 1;
        boxes.extSpeaker = 1;
        StoreOptionDialog(edit, boxes, data);
        EXPECT_EQ(data.FunSet.Option, edit) << c.name;
        EXPECT_EQ(edit.Scrambler1, 2731) << c.name;
        EXPECT_EQ(edit.Scrambler2, 1234) << c.name;
        EXPECT_EQ(edit.PowerOnPassWord.raw(), c.stored) << c.name;
        EXPECT_EQ(edit.PowerOnPWEnable, 0) << c.name;
        EXPECT_EQ(edit.PowerOnText.raw(), "X234567HIDDEN!") << c.name;
        EXPECT_EQ(data.BeepVolume, 1) << c.name;
        EXPECT_EQ(data.ExtSpeaker, 1) << c.name;
    }
}

}  // namespace
