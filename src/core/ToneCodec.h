#pragma once
// Tone codes of a channel and of the signalling blocks: the CTCSS table and
// the user tone box, DCS codes with their polarity, stored DTMF digits and the
// repeat-tone writing of five-tone codes.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

// ---- CTCSS ----
// A stored CTCSS index 0..50 picks one of these texts (Hz); the grid's and the
// editors' lists hold them in this order, so a list index is the stored index.
inline constexpr std::array<std::string_view, 51> CTCSSTones = {
    "62.5",  "67.0",  "69.3",  "71.9",  "74.4",  "77.0",  "79.7",  "82.5",  "85.4",
    "88.5",  "91.5",  "94.8",  "97.4",  "100.0", "103.5", "107.2", "110.9", "114.8",
    "118.8", "123.0", "127.3", "131.8", "136.5", "141.3", "146.2", "151.4", "156.7",
    "159.8", "162.2", "165.5", "167.9", "171.3", "173.8", "177.3", "179.9", "183.5",
    "186.2", "189.9", "192.8", "196.6", "199.5", "203.5", "206.5", "210.7", "218.1",
    "225.7", "229.1", "233.6", "241.8", "250.3", "254.1",
};
// The index that means the channel's own user tone.
inline constexpr int16_t CTCSSUserIndex = 51;
// The index of a new channel (127.3 Hz) and the user tone of one (0.1 Hz).
inline constexpr int16_t CTCSSDefaultIndex = 20;
inline constexpr int16_t UserCTCSSDefault = 1511;

// A user tone text: 62.5..254.1 (both included) comes back with one decimal,
// anything else (empty, not a number, out of range) as "151.1".
std::string CheckCTCSSText(std::string_view text);

// ---- DCS ----
// A DCS code is 0..511 (its three octal digits are the code), its polarity
// 0 normal or 1 inverted. The key joins both: polarity * 512 + code; the
// editors' DCS lists run D000N..D777N then D000I..D777I, so a list index is
// the key.
inline constexpr int16_t DCSCodeCount = 512;
constexpr int16_t DCSKey(int16_t code, int16_t invert) { return invert * DCSCodeCount + code; }
constexpr int16_t DCSKeyCode(int16_t key) { return key % DCSCodeCount; }
constexpr int16_t DCSKeyInvert(int16_t key) { return key / DCSCodeCount; }
// "D023N", "D754I".
std::string DCSText(int16_t code, int16_t invert);

// ---- DTMF ----
// Stored DTMF codes write "*" as "E" and "#" as "F"; every other character,
// lower-case e and f included, is the same in both forms.
std::string CodeToDTMF(std::string_view code);
std::string DTMFToCode(std::string_view code);

// ---- five-tone ----
// A tone equal to the one before it is sent as the repeat tone "E".
// AddRepeatTone works on the code as given; in a code of exactly 11
// characters (five call digits, separator, five ID digits) positions 6 and 7
// are copied as they are.
std::string AddRepeatTone(std::string_view code);
// The code's value (TrimFixStr) with the repeat rule, continuing from
// `previousTone` (the tone sent just before it) unless that is "X" or empty.
// In a text beginning "E1" (a data call) positions above 8 are message digits
// and copied as they are. The result has the length of the trimmed code.
std::string AddRepeatToneEx(std::string_view code, std::string_view previousTone);
// True when the code carries the own ID at its end: "SelfID" after five call
// characters (optionally a separator "A".."F"), or the own ID raw or in either
// repeat-tone writing after five call characters (optionally a separator).
bool IsSelfIDCode(std::string_view code, std::string_view ownID);
// AddRepeatTone for own-ID codes, AddRepeatToneEx with no previous tone for
// every other code.
std::string Encode5ToneCode(std::string_view code, std::string_view ownID);
