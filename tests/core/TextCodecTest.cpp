#include <gtest/gtest.h>

#include "core/TextCodec.h"

using namespace std::string_literals;

TEST(TextCodec, TrimFixStrTrimsBlanksThenCutsAtNul) {
    struct Case { const char* name; std::string in; std::string out; };
    const Case cases[] = {
        {"NUL then blanks", "AB\0   "s, "AB"},
        {"blanks before NUL stay", "AB  \0xy"s, "AB  "},
        {"only blanks", "     ", ""},
        {"NUL text", "\0      "s, ""},
        {"leading blanks stay", "  AB  ", "  AB"},
        {"nothing to do", "AB", "AB"},
        {"empty", "", ""},
    };
    for (const auto& c : cases) EXPECT_EQ(TrimFixStr(c.in), c.out) << c.name;
}

TEST(TextCodec, OctalAndHexTexts) {
    struct Oct { int16_t value; int16_t width; const char* text; };
    const Oct octs[] = {
        {19, 3, "023"}, {0, 3, "000"}, {511, 3, "777"}, {8, 3, "010"},
        {4095, 3, "7777"},   // longer than the width: not cut
        {-1, 3, "177777"},   // the 16-bit pattern
        {5, 0, "5"},
    };
    for (const auto& c : octs) EXPECT_EQ(IntToOct(c.value, c.width), c.text) << c.value;

    EXPECT_EQ(ByteToHex(10), "0A");
    EXPECT_EQ(ByteToHex(0), "00");
    EXPECT_EQ(ByteToHex(15), "0F");
    EXPECT_EQ(ByteToHex(255), "FF");
}

TEST(TextCodec, FileTitleAfterEitherSeparator) {
    struct Case { const char* path; const char* title; };
    const Case cases[] = {
        {"C:\\data\\radio.dat", "radio.dat"}, {"/home/u/radio.dat", "radio.dat"},
        {"radio.dat", "radio.dat"},           {"C:\\data\\", ""},
        {"/home/u/", ""},                     {"C:\\a/b\\c.dat", "c.dat"},
        {"", ""},
    };
    for (const auto& c : cases) EXPECT_EQ(GetFileTitle(c.path), c.title) << c.path;
}
