#pragma once
// The rules of the two-tone dialog (Frm2Tone): its list items, the decode
// pairs and the tone boxes they enable, how the header and the call entries
// are shown (with the defaults showing writes into the working copy), what
// a committed grid cell and OK store, the tone limits of the boxes, and
// where Enter in a cell editor moves. The dialog holds only the widgets.
//
// The grid has a header row and a number column; row r (1..24) shows call
// entry r in columns 1 (first tone), 2 (second tone) and 3 (name).
#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/SignallingRecords.h"

inline constexpr int kTwoToneCalls = 24;
inline constexpr int kTwoToneGridRows = kTwoToneCalls + 1;
inline constexpr int kTwoToneGridCols = 4;
inline constexpr int kFirstToneCol = 1;
inline constexpr int kSecondToneCol = 2;
inline constexpr int kNameCol = 3;

// Combo1(0..4): the three tone durations, the delay and the reset time.
inline constexpr int kTwoToneTimeLists = 5;
inline constexpr int kTwoToneDurationLists = 3;
inline constexpr int kTwoToneDelayList = 3;
inline constexpr int kTwoToneResetList = 4;
// Text2(0..3): tones A to D.
inline constexpr int kToneBoxes = 4;
// Typing limits of the tone boxes and editors, and of the name editor.
inline constexpr int kToneTextLength = 6;
inline constexpr int kCallNameLength = 7;

// The items of Combo1(list), in order.
std::vector<std::string> TwoToneTimeItems(int list);
// Combo2(1): section "OPTION" texts 60057, 60058, 60059.
std::vector<std::string> DecodeResponseItems();

// A decode pair: its item in Combo2(0) and the tone boxes of its first and
// second tone (-1: a "Long" pair has none).
struct DecodePair {
    std::string_view item;
    int first;
    int second;
};
inline constexpr std::array<DecodePair, 15> kDecodePairs{{
    {"A-B", 0, 1}, {"A-C", 0, 2}, {"A-D", 0, 3}, {"B-A", 1, 0}, {"B-C", 1, 2},
    {"B-D", 1, 3}, {"C-A", 2, 0}, {"C-B", 2, 1}, {"C-D", 2, 3}, {"D-A", 3, 0},
    {"D-B", 3, 1}, {"D-C", 3, 2}, {"Long A", 0, -1}, {"Long B", 1, -1}, {"Long C", 2, -1},
}};
// Which of Text2(0..3) pair `pair` enables; none for a pair outside the list.
std::array<bool, kToneBoxes> DecodePairBoxes(int pair);

// What the header controls hold: the selected items, the side tone and
// the tone boxes A to D.
struct TwoToneHeadControls {
    int pair = 0;        // Combo2(0)
    int decodeResp = 0;  // Combo2(1)
    std::array<int, kTwoToneTimeLists> times{};  // Combo1(0..4)
    int sideTone = 0;    // Check1
    std::array<std::string, kToneBoxes> tones;
};
// What the dialog shows of the header. A stored value outside its list
// shows the list's fallback item and stays in `h`; a side tone above 1 and
// a tone A..D whose high byte is 0 or 255 are replaced in `h` (the side tone
// by 0, the tone by its default).
TwoToneHeadControls ShowTwoToneHead(Tone2Head& h);
// OK: the tone boxes are limited first (LimitToneBoxAtOK, the limited texts
// left in `c.tones` for the boxes), then every header field is written.
void StoreTwoToneHead(TwoToneHeadControls& c, Tone2Head& h);

// The texts of a grid row (columns 1 to 3). A name is record bytes.
struct TwoToneRow {
    std::string tone1;
    std::string tone2;
    std::string name;
    bool operator==(const TwoToneRow&) const = default;
};
// Empty unless the entry is in use and has a first divider; the second
// tone empty when its divider is 0.
TwoToneRow TwoToneRowOf(const Tone2Item& item);
// Commits an editor's text into column `col` of a row: a name (col 3 and
// above) is trimmed and stored blank-padded; a tone that is not a number
// empties the entry (col 1) or removes its second tone (col 2); any other
// tone is brought into 288..3116 Hz and stored as its word and divider.
void CommitTwoToneCell(Tone2Item& item, TwoToneRow& row, int col, std::string_view text);

// A tone box A..D left by the user: the value brought into 288..3116 Hz as
// its shortest decimal text; an empty text, or one that is not a number,
// counts as 0.
std::string ToneBoxOnLeave(std::string_view text);
// A tone box A..D at OK: 280..3116 Hz; a text that is not a number "2000".
std::string LimitToneBoxAtOK(std::string_view text);

// Characters typed into a tone box or tone editor: digits and ".".
std::optional<char16_t> ToneChar(char16_t c);
// Characters typed into the name editor: printable ASCII but "\" and "~".
std::optional<char16_t> CallNameChar(char16_t c);

// Opening cell (row, col): a second-tone or name cell of a row without a
// first tone opens the row's first-tone cell instead, unless the first tone
// of that very row was just typed into the open editor.
bool OpensFirstToneInstead(int col, bool firstToneEmpty, bool firstToneJustTyped);
// The row below `row`; after the last call the first.
int NextCallRow(int row);
// Where Enter in a cell editor moves the current cell, and whether the tone
// editor commits before the move.
struct CellMove {
    bool commitFirst = false;
    int row = 0;
    int col = 0;
    bool operator==(const CellMove&) const = default;
};
CellMove ToneEditorEnter(int row, int col, bool editorEmpty);
CellMove NameEditorEnter(int row);
