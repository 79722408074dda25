#pragma once
// The whole configuration of a radio but its normal channels, and the
// records it is made of.
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

#include "core/BasedArray.h"
#include "core/ChannelRecord.h"
#include "core/FixStr.h"
#include "core/OptionRecords.h"
#include "core/SignallingRecords.h"

struct FunSetData {
    DTMFData DTMF;
    Tone2Data Tone2;
    Tone5Data Tone5;
    OptionData Option;
    ScanData Scan;
    AlertData Alert;

    static constexpr std::size_t kPackedSize = 6906;
    bool operator==(const FunSetData&) const = default;
};

struct CommuBookItem {
    int16_t No = 0;          // 0..99, equal to its index
    FixStr<5> CallID;        // DTMF digits
    FixStr<7> Name;

    static constexpr std::size_t kPackedSize = 14;
    bool operator==(const CommuBookItem&) const = default;
};

// The 21 settings of a hyper bank, edited on the main window's hyper panel.
struct HyperSetData {
    int16_t DisplayMode = 0;
    int16_t ModeL = 0;
    int16_t ModeR = 0;
    int16_t NormalIDL = 0;   // channel number - 1
    int16_t NormalIDR = 0;
    int16_t HomeReturnL = 0;
    int16_t HomeReturnR = 0;
    int16_t VFOBandL = 0;
    int16_t VFOBandR = 0;    // list index + 4
    int16_t SubDisplay = 0;
    int16_t VFOTrack = 0;
    int16_t HyperAutoSave = 0;
    int16_t AutoRepeaterSplit = 0;
    int16_t AMAuto = 0;
    int16_t MainSel = 0;
    int16_t VFOBandEdge = 0;
    int16_t TVBackground = 0;
    int16_t TVPriority = 0;
    int16_t TVFunction = 0;
    int16_t TVOpen = 0;
    int16_t RelayMode = 0;

    static constexpr std::size_t kPackedSize = 42;
    bool operator==(const HyperSetData&) const = default;
};

// One hyper bank. Rows are reached only through GetHyperChannel and
// SetHyperChannel (HyperChannel.h): rows 1..6 live in CH(0..5), rows 7..12 in
// HCH(6..11).
struct HyperData {
    std::array<UFreData, 6> CH{};
    HyperSetData Setting;
    BasedArray<UFreData, 6, 6> HCH;

    static constexpr std::size_t kPackedSize = 1110;
    bool operator==(const HyperData&) const = default;
};

// One entry of the 128-frequency list; entry 129 (index 128) is its VFO entry.
struct TVItem {
    int16_t No = 0;          // index + 1
    int16_t Flag = 0;        // 1 a frequency is present
    FixStr<8> Freq;          // 8 digits in 100 Hz

    static constexpr std::size_t kPackedSize = 12;
    bool operator==(const TVItem&) const = default;
};

inline constexpr int kCommuBookSize = 100;
inline constexpr int kLimitChannels = 10;
inline constexpr int kTVItems = 129;
inline constexpr int kNoteCount = 16;

struct RadioData {
    FixStr<4> Version;                                // "V200"
    int16_t Band = 0;                                 // band plan of the data
    FunSetData FunSet;
    int16_t CHCount = 0;                              // used entries of UFreList
    std::array<CommuBookItem, kCommuBookSize> CommuBook{};
    uint8_t Tone5DecodeTime = 0;                      // list index 0..200
    std::array<UFreData, kLimitChannels> LimitCH{};   // limit channel n at n - 1
    std::array<HyperData, 2> Hyper{};                 // bank 0 = list type 2, bank 1 = type 3
    std::array<TVItem, kTVItems> TV{};
    // The event records: 16 texts (digits and capitals) and the slot of the newest.
    std::array<FixStr<8>, kNoteCount> Note{};
    int16_t NoteIndex = 0;
    std::array<int16_t, 2> HyperMode{};               // speaker routing of each bank
    int16_t BeepVolume = 0;
    int16_t ExtSpeaker = 0;

    // Bytes of the record in data files.
    static constexpr std::size_t kPackedSize = 13111;
    bool operator==(const RadioData&) const = default;
};

// The radio's embedded information as last read (never stored in files).
struct EmbedInfoData {
    int16_t Band = 0;
    FixStr<16> SerialNo;
    FixStr<16> ProduceDate;
    FixStr<16> MaintainDate;
    FixStr<96> MaintainReason;
    std::string Version;
    std::string ModelCode;
    std::string AreaCode;
    FixStr<8> ManufactureCode;
    FixStr<4> UserCode;
    FixStr<16> DealerCode;
    FixStr<16> StockDate;
    FixStr<16> SellDate;
    FixStr<16> Seller;

    bool operator==(const EmbedInfoData&) const = default;
};
