#pragma once
// The program's shared state: the globals every subsystem reads and writes
// (the working and saved configuration, the band table of the current plan,
// view, link and language state). They are gathered here so that a test can
// put all of them back to their start values with one call.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "core/BasedArray.h"
#include "core/ChannelRecord.h"
#include "core/RadioRecord.h"
#include "core/SessionStates.h"

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
// The six frequency ranges of the hyper bank rows, numbered 1..6: the text
// "low - high MHz" and its edges as number texts in their shortest form
// ("108", "399.995").
extern BasedArray<std::string, 6> HyperRangeText;
extern BasedArray<std::string, 6> HyperLow;
extern BasedArray<std::string, 6> HyperHigh;

// ---- radio data ----------------------------------------------------------
// The working configuration and its saved copy (the last load, save or read).
extern RadioData CurData;
extern RadioData OldData;
// The normal channels: the first CurData.CHCount entries, in no order,
// looked up by CHNo; and their saved copy.
extern std::array<UFreData, kMaxChannels> UFreList;
extern std::array<UFreData, kMaxChannels> OldUFreList;
// The working copy of CurData.FunSet while the two-tone or five-tone dialog
// (or one opened from them) is open.
extern FunSetData TempFunSetData;
// Where the five-tone special-call composer puts its code: the list entry of
// the five-tone grid's selected row, or the PTT-ID begin or end code.
enum class SpecialTarget : int16_t { ListEntry = 0, PTTIDBegin = 1, PTTIDEnd = 2 };
extern SpecialTarget SpecialCallTarget;
// The radio's embedded information: start-up defaults until a radio is read.
extern EmbedInfoData EmbedInfo;
// The display name of the model (RadioModel, under link state).
extern std::string ModelName;
// The fixed feature switches (0 off, -1 on), set once by InitFunEnable.
extern int16_t ScanEnable;
extern int16_t AlertEnable;
extern int16_t HelpEnable;
// Non-zero while the initialise command runs File New.
extern int16_t InitDataMode;
// Non-zero keeps every channel of the default data file (mysetup.ini).
extern int16_t FactoryFresFlag;
// The current data file ("new.dat" while untitled), whether it has no file of
// its own yet (-1), and the current contact-book file.
extern std::string DataFileName;
extern int16_t IsNewFile;
extern std::string BookFileName;
// Limits of the 128-frequency list, MHz.
extern double TVFreLow;
extern double TVFreHigh;

// ---- view state ----------------------------------------------------------
// The channel list on show: 0 normal, 1 limit, 2 hyper bank 1, 3 hyper bank 2.
extern int16_t CHListType;
// The current channel of the main window.
extern int16_t CurCHNo;
// Grid editing state of the main window.
extern int16_t GridEditRow;
extern int16_t GridEditCol;
extern std::array<int16_t, 2> TVEnterCell;
// The row clipboard's three flags and the channel it holds.
extern std::array<int16_t, 3> GridCopyFlag;
extern UFreData CHClipBoard;
// The channel shown in the single-channel dialog, and the one being
// formatted for a grid row.
extern UFreData EditCHData;
extern UFreData ShowCHData;

// ---- start-up settings --------------------------------------------------
// From mysetup.ini: the first-run flag, the port's handshaking and stop bits
// (read, not used by the link), and whether every channel of the default data
// file is kept.
extern bool FirstRunFlag;
extern int16_t CommHandshaking;
extern int16_t CommStopBit;
// 1 only on the one system version that skipped the port check; never here.
extern int16_t IsVista;
// The user's locale id and decimal separator when the program started.
extern int32_t UserLCID;
extern std::string OldDecimalSep;
// The help file beside the program (only while HelpEnable is on).
extern std::string HelpFileName;
// The batch channel editor's 21 item flags, kept in BatchFun.ini.
extern std::array<uint8_t, 21> BatchFunFlag;

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
// The password typed in the read-password dialog.
extern std::string InputPassWord;
// True when the read-password dialog was closed with OK.
extern bool PassWordEntered;
// The session: its kind, state, run (first and last block address) and
// sends left for the handshake, identification, password block and each
// block of the run (indexed by (address - CommStartAddr) / block size).
extern SessionMode CommMode;
extern SessionState CommState;
extern int32_t CommStartAddr;
extern int32_t CommEndAddr;
extern int16_t LinkRetry;
extern int16_t IdentifyRetry;
extern int16_t PassWordRetry;
extern std::vector<int16_t> BlockRetry;
// Set by the progress dialog's Cancel; acted on at the next step or time-out.
extern bool CommCancel;
// The session was opened with the factory handshake.
extern bool FactoryLink;
// The transfer plan: skipped ranges in rising order, and the progress count.
extern int16_t SkipRangeCount;
extern std::array<SkipRangeItem, kMaxSkipRanges> SkipRange;
extern int16_t CommBlockDone;
extern int16_t CommBlockTotal;
// Last percentage shown.
extern int16_t CommProgress;

// ---- memory image --------------------------------------------------------
// The radio's 32 KB memory as exchanged with it; blanked by every session.
// (The same type as ImageBytes of link/ImageAccess.h.)
extern std::array<uint8_t, 0x8000> CommData;
// True while the encoders of a write have reported no error.
extern bool WriteDataOK;

// ---- factory -------------------------------------------------------------
// The factory test record: bytes 0..31 are the radio's addresses
// 0x0000..0x001F (tuning values), bytes 32..47 live only in the program and
// its .ted files.
inline constexpr std::size_t kTestDataSize = 48;
using TestRecord = std::array<uint8_t, kTestDataSize>;
// Factory mode, decided once at start-up from the marker file.
extern bool TestDataEnable;
// The working test record and its saved copy (what the last load, save or
// radio read left).
extern TestRecord TestData;
extern TestRecord OldTestData;
// Address of the test block in transfer; -16 before the first.
extern int32_t TestDataAddr;
// Set once the last test block of a factory write was acknowledged.
extern bool TestDataWritten;
// The last .ted file read or written by the test-data editor or a data file.
extern std::string TedFileName;

// ---- language ------------------------------------------------------------
// The current language: 1 English, 2 Chinese.
extern int16_t LangIndex;
// The language file's name, "english.ini" or "Tchinese.ini".
extern std::string LangFileName;
// The current language file relative to the program folder,
// "language/english.ini" or "language/Tchinese.ini".
extern std::string LangFilePath;
// The captions of a dialog's CommandClose and CommandHelp buttons
// (InitLangButtonText).
extern std::string CloseText;
extern std::string HelpText;

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
