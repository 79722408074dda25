// The batch editor's value boxes: the raster of frequencies and steps, the
// check each box runs when it is left, the clamps while typing and the keys
// each box takes.
#include <gtest/gtest.h>

#include "BatchFixture.h"
#include "channels/BatchValueBoxes.h"

namespace {

using BatchBoxes = BatchData;

TEST_F(BatchBoxes, FrequenciesAndStepsStayOnTheRaster) {
    struct Case {
        const char* what;
        const char* in;
        const char* out;
    };
    const Case free[] = {
        {"cut down to 2.5 kHz", "5.0063", "5.00500"},
        {"on the 6.25 kHz grid", "5.00625", "5.00625"},
        {"zero", "0", "0.00000"},
        {"no number", "abc", "0.00000"},
        {"half of 10 Hz to the even unit", "5.000025", "5.00000"},
        {"eight digits of MHz, beyond 32 bits of 10 Hz", "99999999", "99999999.00000"},
        {"just beyond 32 bits", "21474.836475", "21474.83500"},
    };
    for (const Case& c : free) EXPECT_EQ(StepDataFree(c.in), c.out) << c.what;

    const Case steps[] = {
        {"5 kHz", "7", "5"},
        {"2.5 kHz", "3", "2.5"},
        {"6.25 kHz", "6.25", "6.25"},
        {"12.5 kHz", "12.5", "12.5"},
        {"just above 6.25", "6.26", "5"},
        {"the largest step", "1000", "1000"},
        {"empty", "", "0"},
    };
    for (const Case& c : steps) EXPECT_EQ(StepData(c.in), c.out) << c.what;

    struct FreCase {
        const char* what;
        const char* in;
        bool rx;
        const char* out;
    };
    const FreCase fres[] = {
        {"cut down from the band edge", "145.0063", true, "145.00500"},
        {"6.25 kHz kept", "145.00625", true, "145.00625"},
        {"outside every receive band", "300", true, "108.00000"},
        {"outside every transmit band", "200", false, "136.00000"},
        {"transmit raster from 136 MHz", "150.0063", false, "150.00500"},
    };
    for (const FreCase& c : fres)
        EXPECT_EQ(FormatFre(StepDataFre(*ReadFre(c.in), c.rx)), c.out) << c.what;
}

TEST_F(BatchBoxes, EachBoxChecksItsTextWhenLeftAndAgainGivesTheSame) {
    struct Case {
        const char* what;
        BatchBox box;
        const char* in;
        const char* firstNumber;
        const char* out;
    };
    const Case cases[] = {
        {"receive in a band, on the raster", BatchBox::RxStart, "145.0063", "0", "145.00500"},
        {"receive beyond every band: nearest edge", BatchBox::RxStart, "185", "0", "180.00000"},
        {"receive between bands, tie to the lower", BatchBox::RxStart, "200", "0", "180.00000"},
        {"receive not a number", BatchBox::RxStart, "", "0", "108.00000"},
        {"transmit beyond its band", BatchBox::TxStart, "175", "0", "174.00000"},
        {"transmit not a number", BatchBox::TxStart, ".", "0", "136.00000"},
        {"receive step", BatchBox::RxStep, "7", "0", "5"},
        {"transmit step", BatchBox::TxStep, "3", "0", "2.5"},
        {"offset", BatchBox::Offset, "5.0063", "0", "5.00500"},
        {"empty interval", BatchBox::DecodeInterval, "", "0", "0"},
        {"interval", BatchBox::EncodeInterval, "12", "0", "12"},
        {"empty first number", BatchBox::FirstNumber, "", "0", "0"},
        {"first number keeps its zeros", BatchBox::FirstNumber, "007", "0", "007"},
        {"name never changes", BatchBox::Name, "ab C", "0", "ab C"},
        {"number step cut to the first number's length", BatchBox::NumberStep, "12345", "007", "123"},
        {"number step that fits", BatchBox::NumberStep, "5", "007", "5"},
        {"empty number step", BatchBox::NumberStep, "", "00", "0"},
    };
    for (const Case& c : cases) {
        const std::string once = CheckBatchBox(c.box, c.in, c.firstNumber);
        EXPECT_EQ(once, c.out) << c.what;
        EXPECT_EQ(CheckBatchBox(c.box, once, c.firstNumber), once) << c.what << " (again)";
    }
}

TEST_F(BatchBoxes, ClampsWhileTyping) {
    struct Case {
        const char* in;
        const char* range;
        const char* step;
    };
    const Case cases[] = {
        {"", "0", ""},
        {"0", "0", "0"},
        {"007", "7", "007"},
        {"758", "758", "758"},
        {"759", "758", "759"},
        {"999", "758", "999"},
        {"1000", "758", "1000"},
        {"1000.5", "758", "1000"},
        {"2000", "758", "1000"},
        {"12.5", "12", "12.5"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ClampRangeText(c.in), c.range) << c.in;
        EXPECT_EQ(ClampStepText(c.in), c.step) << c.in;
    }
}

TEST_F(BatchBoxes, KeysEachBoxTakes) {
    struct Case {
        int box;
        const char32_t* takes;
        const char32_t* refuses;
    };
    const Case cases[] = {
        {0, U"0123456789.", U"-+ aE,"},
        {2, U"09.", U"-e"},
        {4, U"5.", U"x"},
        {5, U"0123456789", U". -a"},
        {7, U"azAZ09", U" ._-é\u4e2d"},
        {8, U"09", U".a"},
        {9, U"09", U".a"},
        {10, U" ~a.", U"\u00e9\u4e2d"},
    };
    for (const Case& c : cases) {
        const BatchKeys keys = KeysOfValueBox(c.box);
        for (const char32_t* k = c.takes; *k; ++k) EXPECT_TRUE(BatchBoxTakes(keys, *k)) << c.box;
        for (const char32_t* k = c.refuses; *k; ++k) EXPECT_FALSE(BatchBoxTakes(keys, *k)) << c.box;
    }
}

}  // namespace
