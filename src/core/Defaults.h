#pragma once
// The defaults of the configuration, block by block, and the two operations
// that build a new configuration from them. All work on CurData.
#include <array>
#include <cstdint>

// The tones of digits 0..F of the user-defined five-tone standard, 0.1 Hz
// (2400.0 Hz for digit 0 .. 930.0 Hz for digit F).
inline constexpr std::array<int16_t, 16> kDefaultUserTones = {24000, 10600, 11600, 12700, 14000, 15300,
                                                               16700, 18300, 20000, 22000, 28000, 8100,
                                                               9700,  8850,  26000, 9300};

// Every block of CurData at its default except the normal channels, the
// 128-frequency list, Version, Band and CHCount. The order is fixed: the
// five-tone defaults rewrite the two-tone list after the two-tone header.
void InitRadioData();
// A new, untitled configuration with one default channel.
void NewRadioData();

void InitDTMFData();
void Init2ToneData();
void Init5ToneData();
void InitOptionData();
void InitScanData();
void InitAlertData();
void InitCommuBook();
void InitLimitCH();
void InitHyperData();
void InitHyperSet(int16_t bank);
void InitHyperUpperCH();
void InitNoteData();
void InitTVData();
void InitEmbedInfo();
