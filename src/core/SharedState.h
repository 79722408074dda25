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
// The port number the link opens ("comPort" of mysetup.ini); 0 means none.
extern int16_t CommPortNo;
// Length of the last frame sent: the echo that starts every reply.
extern int32_t CommSendLen;
// Address of the block in transfer.
extern int32_t CommAddr;
// Data bytes per read request and per write frame (16).
extern int32_t ReadBlockSize;
extern int32_t WriteBlockSize;
// The identity of the radio of the last identification reply.
extern std::string RadioModel;
extern int16_t RadioBand;
extern std::string RadioVersion;
extern int16_t RadioVerNo;
// Four feature flags, 0 or 1; once 1 a flag stays 1. Kept in Setting.ini.
extern std::array<int16_t, 4> SettingFlag;
// -1 when the radio reports it was remotely killed / stunned, else 0.
extern int16_t RadioKilled;
extern int16_t RadioStunned;

// ---- language ------------------------------------------------------------
// The current language: 1 English, 2 Chinese.
extern int16_t LangIndex;
// The current language file relative to the program folder,
// "language/english.ini" or "language/Tchinese.ini".
extern std::string LangFilePath;

// Puts every global above back to its value at program start (before start-up
// runs): zero numbers, empty texts, fresh records.
void ResetSharedState();
