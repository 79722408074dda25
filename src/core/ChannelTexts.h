#pragma once
// Texts of a channel's fields that the grid, the channel dialog and the batch
// editor read and show alike.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/ChannelRecord.h"

// The step texts at indexes 0..9.
const std::vector<std::string>& StepTexts();

// A value formatted "#.00000": five decimals, no digit before the point
// below 1, "-" in front of a negative value. `units` in 10 Hz.
std::string FormatHashFiveDecimals(int64_t units);

// What a typed receive frequency asks for. A text without any digit is a
// request to empty the channel; a text with digits that does not read as a
// number is a typing mistake, never a deletion.
enum class RxText { NoDigits, Number, NotANumber };
RxText ClassifyRxText(std::string_view text);

// The tone a channel's decode or encode fields name, as the grid and the
// printed report show it: type 1 the item of `ctcssItems` at the CTCSS index
// (the 51 tones, then the user-tone item; an index outside 0..51 shows item
// 0), type 2 "D" and the item of `dcsItems` at the code ("000N".."777N"; a
// code outside 0..511 shows code 0) with its last letter "I" when inverted,
// any other type `none`.
std::string ChannelToneText(int16_t type, int16_t ctcss, int16_t dcsCode, int16_t dcsInvert,
                            const std::vector<std::string>& ctcssItems, const std::vector<std::string>& dcsItems,
                            std::string_view none);
// A channel's optional signalling: "DTMF M1".."DTMF M16", "2tone n",
// "5tone n", or `none`.
std::string ChannelSignallingText(const UFreData& ch, std::string_view none);
