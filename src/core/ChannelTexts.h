#pragma once
// Texts of a channel's fields that the grid, the channel dialog and the batch
// editor read and show alike.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

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
