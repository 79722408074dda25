#pragma once
// The batch channel editor's item flags and their file BatchFun.ini beside
// the program: 21 bytes, byte k is flag k.
#include <cstdint>

inline constexpr int kBatchFunCount = 21;

// Flags 0..19 on, flag 20 off.
void DefaultBatchFun();
// 1 when the flag byte is not 0, else 0.
int16_t IsBatchFunOn(uint8_t flag);
// Reads the flags from BatchFun.ini (then clears flag 20), or sets the
// defaults and creates the file when there is none. Never reports a failure.
void LoadBatchFun();
// Writes the flags as the file's first 21 bytes, keeping any bytes after
// them. Returns false when the file could not be written, and false without
// writing when the existing file cannot be read.
bool SaveBatchFun();
