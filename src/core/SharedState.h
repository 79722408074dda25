#pragma once
// The program's shared state: the globals every subsystem reads and writes
// (the working and saved configuration, the band table of the current plan,
// view, link and language state). They are gathered here so that a test can
// put all of them back to their start values with one call.
#include <array>
#include <cstdint>
#include <string>

// ---- band plan ----------------------------------------------------------
// The band plan of the data: 0 "Band 1", 1 "Band 2"; other values (possible
// from a data file) use the table of plan 0.
extern int16_t PCBand;
// One text a band, "Rx(low - high MHz) Tx(low - high MHz)", and the edges
// parsed from it, in MHz.
extern std::array<std::string, 4> FreLimitText;
extern std::array<double, 4> RxFreLow;
extern std::array<double, 4> RxFreHigh;
extern std::array<double, 4> TxFreLow;
extern std::array<double, 4> TxFreHigh;

// ---- radio data ----------------------------------------------------------

// ---- view state ----------------------------------------------------------

// ---- link state ----------------------------------------------------------

// ---- language ------------------------------------------------------------
// The current language: 1 English, 2 Chinese.
extern int16_t LangIndex;
// The current language file relative to the program folder,
// "language/english.ini" or "language/Tchinese.ini".
extern std::string LangFilePath;

// ---- grid column map ------------------------------------------------------
// Which display column of the channel grid shows which logical column: pair i
// (index i - 1) puts logical column MainShowData[i - 1] into display column
// MainShowCol[i - 1]. Only the first MainShowCount pairs count; 0 or less is
// the identity. Read once at start-up from language/MainShowList.ini.
inline constexpr int kMaxShowPairs = 20;
extern int16_t MainShowCount;
extern std::array<int16_t, kMaxShowPairs> MainShowData;
extern std::array<int16_t, kMaxShowPairs> MainShowCol;

// Puts every global above back to its value at program start (before start-up
// runs): zero numbers, empty texts, fresh records.
void ResetSharedState();
