#pragma once
// The rules of the DTMF dialog (FrmDTMF): its list items and captions, how
// the DTMF block is shown (with the corrections showing writes back into
// the block), the characters its boxes take, the two rules that keep
// composed codes in step with the separator and the own ID, the kill/stun
// check and what the commit stores. The dialog holds only the widgets.
//
// Composed codes have two shapes: a called ID of three digits, the
// separator and the own ID ("123*456"), or the separator and the own ID
// ("*456"). Only the memories and the PTT-ID codes (Text2(0..17)) take part;
// the kill and stun codes never do.
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/SignallingRecords.h"

// Combo1(0..12); Combo1(4) is a parked list, the row of the own-ID box Text3.
inline constexpr int kDTMFLists = 13;
inline constexpr int kMemoryList = 0;
inline constexpr int kANIList = 1;
inline constexpr int kSendTimeList = 2;
inline constexpr int kPTTIDModeList = 3;
inline constexpr int kOwnIDRow = 4;
inline constexpr int kSeparatorList = 5;
inline constexpr int kGroupList = 6;
inline constexpr int kDecodeRespList = 7;
inline constexpr int kFirstDelayList = 8;
inline constexpr int kPreDelayList = 9;
inline constexpr int kResetTimeList = 10;
inline constexpr int kPostDelayList = 11;
inline constexpr int kPauseTimeList = 12;

// Text2(0..19): the memories M1..M16, the PTT-ID begin and end codes, the
// kill and stun codes.
inline constexpr int kDTMFCodeBoxes = 20;
inline constexpr int kDTMFMemories = 16;
inline constexpr int kBeginCodeBox = 16;
inline constexpr int kEndCodeBox = 17;
inline constexpr int kKillCodeBox = 18;
inline constexpr int kStunCodeBox = 19;
// The boxes the composer and the two code rules serve: Text2(0..17).
inline constexpr int kComposedCodeBoxes = 18;
inline constexpr int kOwnIDLength = 3;

// Language id of Label3(list).
int DTMFListCaptionId(int list);
// The items of Combo1(list), in order (Combo1(4) its own parked items).
std::vector<std::string> DTMFListItems(int list);
// Characters the user may type into Text2(box): 24, the kill and stun 14.
int DTMFCodeBoxLimit(int box);

// What the dialog's controls hold of a DTMF block.
struct DTMFControls {
    // The selected item of Combo1(i); -1 none. Combo1(0) and Combo1(4) hold
    // nothing of the block.
    std::array<int, kDTMFLists> item{};
    std::string ownID;                                // Text3
    std::array<std::string, kDTMFCodeBoxes> codes{};  // Text2(i), as shown ("*" and "#")
    int sideTone = 0;                                 // Check1: 0 or 1
};

// What the dialog shows of `d`. Values it cannot show are corrected in `d`
// at once: ANI above 1, send time above 6, PTT-ID mode above 3, decode
// response above 2, first-digit delay above 250, a pause time of 4 or less
// and a side tone above 1 become 0; a separator outside 10..15 becomes 14
// ("*"); a group code outside 10..15 becomes 255 (off); the own ID becomes
// its shown form. Other values outside their lists show item 0 and stay.
DTMFControls ShowDTMFBlock(DTMFData& d);
// Stores the controls into `d` (the commit). A list with no selection
// leaves its field as it is.
void StoreDTMFBlock(const DTMFControls& c, DTMFData& d);

// A character typed into a code box: 0-9, "*", "#" and A-D pass (a-d as
// capitals); nothing else.
std::optional<char16_t> DTMFCodeChar(char16_t c);
// A character typed into the own-ID box: digits only.
std::optional<char16_t> OwnIDChar(char16_t c);

// An own or called ID: "0" appended until the text has three characters
// ("4" gives "400", "" gives "000").
std::string PadID(std::string_view id);
// The own ID as the dialog shows a stored one: one to three digits padded
// as PadID, anything else "000".
std::string ShownOwnID(std::string_view stored);

// The separator rule: a composed code that ends in the own ID `own` gets
// the separator `sep`; every other text comes back as it is.
std::string WithSeparator(std::string_view code, std::string_view sep, std::string_view own);
// The own-ID rule: a composed code with the separator `sep` ends in `own`
// afterwards; every other text comes back as it is.
std::string WithOwnID(std::string_view code, std::string_view sep, std::string_view own);

// True when OK must refuse: the kill code is not empty and equals the stun code.
bool KillEqualsStun(std::string_view kill, std::string_view stun);

// The composer: an ANI code (the called ID padded with "0" to three
// characters, the separator, the own ID) or a PTT-ID code (the separator and
// the own ID).
enum class DTMFCallKind { ANI = 0, PTTID = 1 };
std::string ComposeDTMFCall(DTMFCallKind kind, std::string_view calledID, std::string_view sep,
                            std::string_view own);
// Whether the composer serves the code box `editID` (the memories and the
// PTT-ID codes, 0..17).
bool ComposerServes(int editID);

// Language texts of the dialog.
inline constexpr int16_t kKillEqualsStunText = 3001;
