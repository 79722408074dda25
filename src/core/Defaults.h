#pragma once
// The defaults of the configuration, block by block, and the two operations
// that build a new configuration from them. All work on CurData.
#include <cstdint>

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
