#pragma once
// One channel, the same record in every channel list (normal, limit, hyper
// rows), and the ways a fresh one is made.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "core/FixStr.h"

struct UFreData {
    int16_t CHNo = 0;        // number within its list: normal 1..758, limit 1..10, hyper row 1..12
    int16_t UsedFlag = 0;    // 1 programmed, 0 empty
    int16_t ScanSkip = 0;    // 0 off, 1 skip, 2 priority scan
    FixStr<9> RxFre;         // 9-digit code in 10 Hz, "FFFFFFFFF" none
    FixStr<9> OffsetFre;     // transmit/receive distance in the same code
    FixStr<7> CHName;
    int16_t StepIndex = 0;
    int16_t TxInhibit = 0;
    int16_t Reverse = 0;
    int16_t Bandwidth = 0;   // 0 25 kHz, 1 20 kHz, 2 12.5 kHz
    int16_t En_DCSInvert = 0;
    int16_t De_DCSInvert = 0;
    int16_t Reserved1 = 0;   // bit 8 of En_DCSCode, kept by the image codec
    int16_t Reserved2 = 0;   // bit 8 of De_DCSCode
    int16_t ShiftDir = 0;    // 0 none, 1 minus, 2 plus
    int16_t TxPower = 0;
    int16_t Modulation = 0;  // 0 FM, 1 AM
    int16_t AMAuto = 0;
    int16_t Compander = 0;
    int16_t TalkAround = 0;
    int16_t En_CTC_Type = 0; // 0 none, 1 CTCSS, 2 DCS
    int16_t De_CTC_Type = 0;
    int16_t DTMFCodeNo = 0;  // DTMF code memory 0..15
    int16_t En_CTCSS = 0;    // tone index 0..50, 51 = UserCTCSS
    int16_t De_CTCSS = 0;
    int16_t En_DCSCode = 0;  // 0..511
    int16_t De_DCSCode = 0;
    int16_t BusyLock = 0;
    int16_t PTTIDType = 0;
    int16_t SQLMode = 0;
    int16_t OptSig = 0;      // 0 none, 1 DTMF, 2 two-tone, 3 five-tone
    int16_t Tone2No = 0;     // two-tone call 0..23 (list entry Tone2No + 1)
    int16_t Tone5No = 0;     // five-tone code 0..99 (list entry Tone5No + 1)
    int16_t Scrambler = 0;
    int16_t UserCTCSS = 0;   // the channel's own tone in 0.1 Hz

    // Bytes of the record in data files.
    static constexpr std::size_t kPackedSize = 89;

    bool operator==(const UFreData&) const = default;
};

// The normal channel lists hold this many records.
inline constexpr int kMaxChannels = 758;

// Index in UFreList of the first used entry numbered `chNo`, or -1.
int16_t GetCHIndex(int16_t chNo);

// Builds the default channel `chNo` at the receive frequency `rxText` (MHz)
// and stores it: kind 0 appends it to UFreList (no test whether the number
// exists; a full list stores nothing), kind 1 makes it hyper row `chNo` of
// `bank`; any other kind stores nothing.
void AddDefaultFreData(int16_t chNo, std::string_view rxText, int16_t kind, int16_t bank);
// The same operation under the name the hyper-bank defaults use.
void AddHyperFreData(int16_t chNo, std::string_view rxText, int16_t kind, int16_t bank);
// Normal channel 1 at 430 MHz.
void AddDefaultCH();
// Creates channel `chNo` in `list` (core/ChannelLists.h): appended to the
// normal list, or in its place in the limit list or a hyper bank; nothing
// for a number the list does not have.
enum class ListType : int16_t;
void NewCHByType(ListType list, int16_t chNo);
// The same in the list on show (CHListType).
void NewCHByType(int16_t chNo);
// The record of an empty channel `chNo`.
UFreData GetBlankFreData(int16_t chNo);
