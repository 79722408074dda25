#pragma once
// The rules of the option dialog (FrmOption): the captions and items of its
// lists, which field of the option block each list and check box shows, the
// scrambler words in hertz, the power-on characters one a box, and what OK
// stores. The dialog holds only the widgets.
//
// Every list of the dialog stores the index of its item (Combo1(10) a time
// made from it), and is shown and read back by index, so two equal or
// missing language texts cannot change what is stored.
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/OptionRecords.h"
#include "core/RadioRecord.h"

// Combo1(0..28). Combo1(18) is the further choice of display mode 1 and
// stands beside Combo1(0) without a caption of its own.
inline constexpr int kOptionLists = 29;
inline constexpr int kDisplayModeList = 0;
inline constexpr int kDisplaySubList = 18;
inline constexpr int kLongPressList = 10;
inline constexpr int kBeepVolumeList = 28;
// Check1(0..8); Check1(8) shows RadioData::ExtSpeaker.
inline constexpr int kOptionChecks = 9;
inline constexpr int kExtSpeakerCheck = 8;
// Text1(0..13) hold the power-on text one character a box; the first seven
// are shown, the others carry characters 8 to 14 through unchanged.
inline constexpr int kPowerOnBoxes = 14;
inline constexpr int kPowerOnShownBoxes = 7;
// Typing limits of the password box Text2 and the scrambler boxes Text4.
inline constexpr int kPassWordLength = 7;
inline constexpr int kScramblerBoxLength = 4;

// Language id of the caption Label1(list); 0 for Combo1(18), which has none.
int OptionListCaptionId(int list);
// The items of Combo1(list), in order; nothing for a list outside 0..28.
std::vector<std::string> OptionListItems(int list);

// The item index Combo1(list) stands for in the stored data; it may lie
// outside the list, which then shows its item 0 while the field keeps its
// value. Combo1(28) shows the beep volume kept outside the option block.
int OptionListStoredIndex(const OptionData& option, int16_t beepVolume, int list);
// The user chose item k of Combo1(list): the list's field takes it.
// Combo1(28) changes nothing here (OK reads it).
void StoreOptionListChoice(OptionData& option, int list, int k);

// The long-press time (tenths of a second) and its item: time \ 5 - 2, and
// back (k + 2) * 5.
int LongPressIndex(int16_t time);
int16_t LongPressTimeOf(int index);

// The field of Check1(check) for checks 0..7; nullptr for the others.
int16_t OptionData::*OptionCheckField(int check);

// A scrambler word shown in hertz: word * 0.7324 / 2, rounded half to even.
int64_t ScramblerHzOf(int32_t word);
// The word of a box text in hertz: hz * 2 / 0.7324 rounded half to even,
// then its low 16 bits. Nothing for a text that is no number, or whose word
// does not fit 32 bits before the cut.
std::optional<int32_t> ScramblerWordOf(std::string_view hzText);

// The texts of the boxes Text1(0..13) for a stored power-on text (record
// bytes): the field's value padded with blanks to 14, one character a box, a
// blank showing as an empty box.
std::array<std::string, kPowerOnBoxes> PowerOnBoxTexts(const FixStr<14>& text);
// The boxes joined in order, an empty box giving one blank.
FixStr<14> PowerOnTextOf(const std::array<std::string, kPowerOnBoxes>& boxes);
// Whether a power-on box takes the character: every character that fits one
// byte of the record but "\" and "~".
bool IsPowerOnChar(char32_t c);

// What OK reads of the controls that change nothing before it.
struct OptionBoxes {
    std::string scrambler1;   // Text4(0), hertz
    std::string scrambler2;   // Text4(1)
    int16_t passWordEnable = 0;  // Check2
    std::string passWord;     // Text2 (record bytes)
    std::array<std::string, kPowerOnBoxes> powerOn;  // Text1(0..13) (record bytes)
    int beepVolumeIndex = -1;  // Combo1(28); -1 with no selection
    int16_t extSpeaker = 0;    // Check1(8)
};
// OK: the boxes into `edit` (a scrambler box that holds no number keeps the
// loaded word), the beep volume and the external speaker into `data`, then
// `edit` as the option block of `data`.
void StoreOptionDialog(OptionData& edit, const OptionBoxes& boxes, RadioData& data);
