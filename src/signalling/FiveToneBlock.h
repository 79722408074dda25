#pragma once
// The five-tone block as the five-tone dialog shows and saves it: which
// item each system-setting list shows for a stored value (and what the
// selected item stores), the cells of a code-list row, and the PTT-ID codes.
// Values a show corrects are written into the working block at once; a value
// shown through a list's first item is stored as that item at the next save.
#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/BasedArray.h"
#include "core/SignallingRecords.h"

// ---- the lists ----------------------------------------------------------

// The system-setting lists Combo1(1..12), numbered as the dialog numbers them.
enum class Tone5Setting : int {
    Standard = 1,        // the 16 standards
    DecodeResp = 2,      // three responses
    TonePeriod = 3,      // "30".."100"
    TimeB = 4,           // "10".."2550"
    TimeA = 5,           // "0.0".."25.0"
    TimeC = 6,           // "10".."2550"
    SettingD = 7,        // off, "5".."75"
    FirstDelay = 8,      // "10".."2550"
    PauseTime = 9,       // "0".."2550"
    PauseCode = 10,      // off, "B", "C", "D", "F"
    DecodeTime = 11,     // "0".."2000"
    PauseFirstDelay = 12 // "0".."2500"
};
inline constexpr int kSettingLists = 12;

// The items of the lists that hold numbers ("30".."100", "10".."2550", ...).
std::vector<std::string> PeriodItems();              // "30".."100"
std::vector<std::string> TenthItems();               // "0.0".."25.0"
std::vector<std::string> TensItems(int first, int last);  // first*10 .. last*10
std::vector<std::string> CountItems(int first, int last); // first .. last
// The letters of the pause-code list after its "off" item.
inline constexpr std::array<std::string_view, 4> kPauseCodeLetters = {"B", "C", "D", "F"};
// The period a row, a PTT-ID code or the system shows for a stored period
// outside the period list.
inline constexpr int kDefaultTonePeriod = 70;
inline constexpr int kFirstPeriod = 30;
inline constexpr int kLastPeriod = 100;
// The list index of a period 30..100 ("70" for anything else).
int PeriodIndex(int period);
// A period cell read back: its whole number when it is numeric and 30..100,
// else 70.
int PeriodOfCell(std::string_view text);

// ---- the system settings -----------------------------------------------

// The own ID: the dialog accepts it with this many digits, and refuses
// shorter ones with this message (section "MSG").
inline constexpr std::size_t kTone5OwnIDLength = 5;
inline constexpr std::string_view kShortOwnIDMessage = "900C";

struct Tone5Settings {
    std::string selfID;               // Text2 (record bytes)
    BasedArray<int, kSettingLists> list{};  // item of Combo1(1..12)
    int sideTone = 0;                 // Check1: 0 clear, 1 checked, 2 greyed
    int& operator[](Tone5Setting l) { return list[static_cast<int>(l)]; }
    int operator[](Tone5Setting l) const { return list[static_cast<int>(l)]; }
};

// What the controls show for `block` and the decode time; corrects the
// system period (to 70) and a SettingD below 5 (to 0) in `block`.
Tone5Settings ShowTone5Settings(Tone5Data& block, uint8_t decodeTime);
// Stores what the controls show; a list without a selection stores its
// first item.
void SaveTone5Settings(const Tone5Settings& shown, Tone5Data& block, uint8_t& decodeTime);

// ---- the code list -------------------------------------------------------

// The texts a row shows for the special calls (section "OPTION").
inline constexpr int32_t kDataCallKindText = 60073;
inline constexpr int32_t kDataCallMessageText = 60084;
inline constexpr std::string_view kANIKind = "ANI";
inline constexpr std::string_view kPTTIDKind = "PTTID";
struct Tone5RowTexts {
    std::string dataCallKind;     // 60073
    std::string messageMarker;    // 60084
};

// Columns 1..5 of a grid row, UTF-8.
struct Tone5RowCells {
    std::optional<std::string> kind;  // column 1; nothing: left as it is
    std::string code;                 // column 2
    int standard = 0;                 // column 3: the item of the standards list
    std::string period;               // column 4
    std::string name;                 // column 5
};
// Corrects CodeLen (above 40: 0), Standard (above 15: 0) and TonePeriod
// (outside 30..100: 70) in `entry`, then gives the row's cells; `ownID` is
// the text of the own-ID box.
Tone5RowCells ShowTone5Row(Tone5Code& entry, std::string_view ownID, const Tone5RowTexts& texts);

// The message of a data call, hex pair by hex pair, as record bytes (a pair
// that is no hexadecimal number reads "?").
std::string DataCallMessage(std::string_view code);

// The standard a row's standard cell stands for: the item the row was last
// given when the cell still shows that item's text, else the first item with
// the text, else 0. Equal or empty item texts cannot move a row's standard.
int StandardOfCell(std::string_view cell, int remembered, std::span<const std::string> items);

// Stores a row: the code by the list save rules, then the standard, the
// period cell and the name (record bytes). EmptyFlag is left as it is.
void SaveTone5Row(Tone5Code& entry, std::string_view ownID, int standard, std::string_view periodCell,
                  std::string_view name);

// The cell commits of the row's editors; each returns the cell's new text.
// Code: written with repeat tones; an empty code marks the entry empty.
std::string CommitCodeCell(Tone5Code& entry, std::string_view typed, std::string_view ownID);
// Name (record bytes): its value without trailing blanks.
std::string CommitNameCell(Tone5Code& entry, std::string_view typed);

// ---- the PTT-ID codes ----------------------------------------------------

struct PTTIDShown {
    std::string code;  // Text4(i)
    int standard = 0;  // Combo4(i)
    int period = 0;    // Combo5(i) item
};
// Corrects CodeLen (above 40: 0) and Standard (above 15: 0) in `code`.
PTTIDShown ShowPTTIDCode(Tone5Code& code);
// The box text with repeat tones, the standard, and the system period.
void SavePTTID(Tone5Code& code, std::string_view boxText, std::string_view ownID, int standard, int systemPeriod);
