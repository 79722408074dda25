#pragma once
// The value boxes of the batch channel editor: which characters each takes,
// the clamps applied while typing, and the check each runs when it is left
// (and the apply runs again before it reads them). Every check gives the
// same text when applied to its own result.
//
// Frequencies and steps are kept on one raster: a whole number of 10 Hz
// units counted from a base (a band's lower edge, or 0), where a value on
// the 2.5 kHz or on the 6.25 kHz grid stays and any other moves down to the
// 2.5 kHz point below it.
#include <string>
#include <string_view>

#include "core/FreCodec.h"

// The value boxes Text2(0..9).
enum class BatchBox : int {
    RxStart = 0,         // receive frequency of the first channel, MHz
    RxStep = 1,          // receive step per channel, kHz
    Offset = 2,          // transmit offset, MHz
    TxStart = 3,         // transmit frequency of the first channel, MHz
    TxStep = 4,          // transmit step per channel, kHz
    DecodeInterval = 5,  // tone list positions per channel
    EncodeInterval = 6,
    Name = 7,            // fixed name, or the prefix of a numbered name
    FirstNumber = 8,     // first number of a numbered name, as typed
    NumberStep = 9,      // number step per channel
};
inline constexpr int kBatchValueBoxes = 10;

// The highest channel number and the largest step (kHz) the boxes take.
inline constexpr int kBatchLastChannel = 758;
inline constexpr int kBatchLargestStepKHz = 1000;

// `data` when it is a number, else `def`.
std::string DefaultData(std::string_view data, std::string_view def);
// The frequency on the raster of the first band (receive tables when `isRx`,
// else transmit) that holds it, counted from that band's lower edge in whole
// MHz; the lower edge of band 0 when no band holds it.
Fre StepDataFre(Fre f, bool isRx);
// A value in MHz on the raster counted from 0, written "#0.00000"; a text
// that is no number counts as 0.
std::string StepDataFree(std::string_view mhz);
// A step in kHz on the raster counted from 0, in its shortest form ("12.5",
// "5", "1000"); a text that is no number counts as 0.
std::string StepData(std::string_view khz);

// The check of value box `box` when it is left. `firstNumber` is the text of
// the first-number box, whose length the number step may not exceed.
std::string CheckBatchBox(BatchBox box, std::string_view text, std::string_view firstNumber);

// A range box after a change: a number above 758 becomes "758", any other
// number its whole part, anything else (an empty box) "0".
std::string ClampRangeText(std::string_view text);
// A step box after a change: a number above 1000 becomes "1000"; every
// other text stays.
std::string ClampStepText(std::string_view text);

// The characters the boxes take beyond the control codes.
enum class BatchKeys {
    Digits,          // range boxes, intervals, name numbers
    DigitsAndPoint,  // frequencies, steps, offset, user tone
    LettersDigits,   // the name box
    Ascii,           // the unused boxes: printable ASCII
};
BatchKeys KeysOfValueBox(int box);
// Whether a box of that kind takes the printable character `c`.
bool BatchBoxTakes(BatchKeys keys, char32_t c);
