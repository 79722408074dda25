#pragma once
// The decode and encode tone lists of the batch channel editor and how a
// batch walks them: position 0 is no tone, 1 to 51 the standard CTCSS tones,
// 52 the channel's user tone, then the 512 DCS codes normal (D000N..D777N)
// and the same codes inverted (D000I..D777I).
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

inline constexpr int kBatchToneCount = 1077;
inline constexpr int kBatchUserTonePosition = 52;
inline constexpr int kBatchFirstDCSPosition = 53;
inline constexpr int kBatchFirstInvertedDCSPosition = 565;

// Language texts of the lists' no-tone and user-tone items.
inline constexpr int16_t kNoToneText = 4070;
inline constexpr int16_t kUserToneText = 4030;

// The 1077 items in the current language.
std::vector<std::string> BatchToneItems();

// The tone fields of one direction of a channel.
struct ToneFieldRefs {
    int16_t& type;    // 0 none, 1 CTCSS, 2 DCS
    int16_t& ctcss;   // 0..50, 51 the user tone
    int16_t& dcs;     // 0..511
    int16_t& invert;  // 0 normal, 1 inverted
};

// Writes the tone of list item `text` at `position` into `out`: position 0
// is no tone (only the type is written); a number or the user-tone item is
// CTCSS index position - 1; "D" + three octal digits + "N" or "I" is that
// DCS code. Any other text is no tone, again writing only the type.
void GetToneByText(std::string_view text, int position, ToneFieldRefs out);

// The position of channel n (0 for the first of the range) when a batch
// steps `interval` positions a channel from `selected`, upwards or
// downwards, wrapping round the list of `count` items.
int StepTonePosition(int selected, int64_t interval, int64_t n, bool increase, int count);
// The position a draw in [0, 1) picks from a list of `count` items.
int RandomTonePosition(double draw, int count);
