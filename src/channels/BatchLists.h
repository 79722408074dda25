#pragma once
// The value lists Combo1(2..14) of the batch channel editor, and how an item
// text of a code list becomes a number. The three code lists show what the
// DTMF, two-tone and five-tone blocks of CurData hold when they are built.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// The lists Combo1(0..14) by what they pick.
enum class BatchList : int {
    DecodeTone = 0,
    EncodeTone = 1,
    Step = 2,
    Bandwidth = 3,
    Power = 4,
    Signalling = 5,
    Squelch = 6,
    PttId = 7,
    Modulation = 8,
    Scrambler = 9,
    BusyLock = 10,
    DTMFCode = 11,   // "M1".."M16" of the memories holding digits
    Tone2Entry = 12, // "0".."23" of the two-tone entries in use
    Tone5Code = 13,  // "0".."99" of the five-tone codes in use
    ScanSkip = 14,
};
inline constexpr int kBatchListCount = 15;

// The items of list Combo1(index), item 0 first, in the current language;
// the two tone lists are BatchToneItems (BatchTones.h).
std::vector<std::string> BatchListItems(BatchList list);

// An item text as a number: `def` for an empty text; otherwise every
// character of `strip` is removed and the rest, when it is a number, gives
// that number rounded half to even, else `def` (also for a number beyond
// 16 bits).
int16_t GetNumByText(std::string_view text, int16_t def, std::string_view strip);
