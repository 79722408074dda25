#pragma once
// The factory test record (the radio's tuning values at 0x0000..0x001F plus
// 16 bytes of the program's own), the marker file that switches factory mode
// on, and the .ted file that carries the record beside a data file.
//
// Outside factory mode none of this is visible: the record stays zero, no
// .ted file is read or written and no test frame goes to the radio.
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "core/SharedState.h"

// The text the marker file must hold (after trailing blanks are removed and
// the text is cut at its first NUL); exact and case-sensitive.
inline constexpr std::string_view kFactoryMarkerText = "ZL627PQ_4418_Service_CheckSetBits";
// Only this much of the marker file is looked at.
inline constexpr std::size_t kMarkerLength = 128;
// The marker file beside the program.
inline constexpr std::string_view kMarkerFileName = "TestData.ini";
// The radio's part of the record: addresses 0x0000..0x001F.
inline constexpr std::size_t kRadioTestBytes = 32;

// True when the first kMarkerLength bytes of a marker file switch factory
// mode on.
bool IsFactoryMarker(std::span<const uint8_t> fileBytes);

// Start-up: TestData and OldTestData all zero, factory mode from the marker
// file, and the test record joined to the saved copy, the change test and
// the data files. Nothing is ever reported.
void InitTestData();

// Joins the test record to the saved copy, the change test, the data files
// and the radio sessions (they ask TestDataEnable themselves); InitTestData
// does it.
void InstallTestDataHooks();
// Forgets what the last data-file load found in its .ted file (the program's
// state back to its start).
void ResetTestDataLoad();

// The .ted file beside a data file: the path with its extension replaced by
// ".ted" (appended when the name has none), as for the channel file.
std::optional<std::string> TedCompanionPath(std::string_view datPath);

enum class TedReadResult { Read, Missing, Unreadable, TooShort };
// Reads the first 48 bytes of `path` into `record` only when the file holds
// them all; otherwise `record` is left as it was. TedFileName := path after
// a read.
TedReadResult ReadTedFile(const std::string& path, TestRecord& record);
// Writes the record as the whole file (safely replaced); TedFileName := path
// on success.
bool WriteTedFile(const std::string& path, const TestRecord& record);
// The record in a .ted file's bytes: the first 48 of them; nothing when
// there are fewer.
std::optional<TestRecord> UnpackTedFile(std::span<const uint8_t> bytes);
