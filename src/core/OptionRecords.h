#pragma once
// The option, scan and alert blocks. Unless noted an integer holds the list
// index of its control in the settings dialog.
#include <cstddef>
#include <cstdint>

#include "core/FixStr.h"

struct OptionData {
    int16_t DisplayMode = 0;
    int16_t SqlLeft = 0;
    int16_t SqlRight = 0;
    int16_t DisplayManner = 0;
    int16_t ScanTime = 0;
    int16_t ScanMode = 0;
    int16_t BgRed = 0;
    int16_t BgGreen = 0;
    int16_t BgBlue = 0;
    int16_t ToneBurst = 0;
    int16_t TOT = 0;
    int16_t PTTLock = 0;
    int16_t AutoPowerOff = 0;
    int16_t KeyLight = 0;
    int16_t LongPressTime = 0;   // 0.1 s: (list index + 2) * 5
    int16_t SubMute = 0;
    int16_t DisplayModeSub = 0;
    int16_t KeyLock = 0;
    int16_t ClearMemLock = 0;
    int16_t MicLock = 0;
    int16_t SetupLock = 0;
    int16_t TxSpread = 0;
    int16_t ARTS = 0;
    int16_t CLKShift = 0;
    int16_t AMEnable = 0;
    int16_t RightBandKey = 0;
    int16_t Beep = 0;
    int16_t NoSigTailElim = 0;
    int16_t SQLKeyFun = 0;
    int16_t TailElimMode = 0;
    int16_t PAKeyFun = 0;
    int16_t PBKeyFun = 0;
    int16_t PCKeyFun = 0;
    int16_t PDKeyFun = 0;
    int16_t PowerOnPWEnable = 0;
    FixStr<7> PowerOnPassWord;   // digits; a shorter one ends with a NUL
    int16_t RFSqlLeft = 0;
    int16_t RFSqlRight = 0;
    int32_t Scrambler1 = 0;
    int32_t Scrambler2 = 0;
    FixStr<14> PowerOnText;

    static constexpr std::size_t kPackedSize = 103;
    bool operator==(const OptionData&) const = default;
};

struct ScanData {
    uint8_t ScanMode = 0;
    uint8_t PriorityMode = 0;    // 0 off, 1 P1, 2 P2, 3 P1+P2
    uint8_t RevertCH = 0;
    uint8_t LookBackA = 0;       // 0.5 + 0.1 * value s
    uint8_t LookBackB = 0;
    uint8_t RxResume = 0;        // 0.1 + 0.1 * value s
    uint8_t TxResume = 0;
    uint8_t ScanType = 0;
    uint8_t ScanTone = 0;
    uint8_t WaitTime = 0;        // 25 ms units = list index + 2
    int16_t PriorityCH1 = 0;     // channel number - 1
    int16_t PriorityCH2 = 0;

    static constexpr std::size_t kPackedSize = 14;
    bool operator==(const ScanData&) const = default;
};

struct AlertData {
    uint8_t AlarmType = 0;
    uint8_t IDCodeType = 0;      // 0 none, 1 DTMF, 2 five-tone
    uint8_t IDCodeGroup = 0;
    uint8_t AlarmTime = 0;
    uint8_t TxTime = 0;
    uint8_t RxTime = 0;
    uint8_t CHSelect = 0;
    int16_t EmgCHNo = 0;         // channel number - 1
    uint8_t Period = 0;
    uint8_t AutoDetect = 0;
    uint8_t PreAlertTime = 0;
    uint8_t LoneWorkTime = 0;

    static constexpr std::size_t kPackedSize = 13;
    bool operator==(const AlertData&) const = default;
};
