#pragma once
// Data files: a configuration is a .dat file (the configuration record)
// with a companion .fre file (the normal channels, 89 bytes each) and, in
// factory mode, a .ted file (the test data). A companion's path is the data
// file's path with its extension replaced (a name without one gets the
// companion's appended), so companions always stand in the same folder.
//
// Loads read every file into temporaries first and change nothing unless all
// of them were read; saves put the whole set in place or none of it, even
// when the program is killed half-way (the next load or save into the folder
// finishes what was cut short). Every failure shows "file error." with a
// second line naming the file and the reason.
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/RadioRecord.h"
#include "core/RecordPacking.h"

// File New: the default configuration (with the default data file), then
// the main window redraws.
void NewDataFile();

// Saves the working copy to DataFileName. On success the saved copy equals
// the working copy, IsNewFile is 0 and the title is redrawn; on failure
// "file error." is shown and nothing of that changes.
bool WriteDatFile();

// Loads DataFileName (the name the caller set).
bool ReadDatFile();
// Loads `path`; DataFileName becomes `path` only when the load succeeds. A
// refused file shows its message and leaves the working copy, the saved copy
// and DataFileName as they were.
bool ReadDatFile(const std::string& path);

// The default data file of RadioModel and PCBand from the Init folder beside
// the program, falling back to the first band plan's file of the program's
// own model; the last step of NewRadioData.
void LoadInitFile();

// Turns a record read in an older layout (over the saved copy, so the
// members that layout lacks keep the saved copy's values) into the current
// record: version "V200", and for "V100" the default hyper rows 7..12. Any
// other version text changes nothing.
void ConvertFileVersion(std::string_view version, RadioData& record);

// The companion files of a data file, one for each of `count` channels.
// WriteFreFile writes entries 0..count-1 of OldUFreList; ReadFreFile fills
// them only when the file holds all `count` records.
bool WriteFreFile(const std::string& datPath, int16_t count);
bool ReadFreFile(const std::string& datPath, int16_t count);

// `datPath` with its extension replaced by `extension` ("fre", "ted"), or
// with it appended when the name has none; nothing for a path that names
// no file.
std::optional<std::string> CompanionPath(std::string_view datPath, std::string_view extension);
// The name a Save As stores under: ".dat" appended unless it ends with it
// (in any case), so that the companions get names of their own.
std::string WithDatExtension(std::string_view path);

// The files' bytes, in memory.
std::vector<uint8_t> PackDatFile(const RadioData& record);
std::vector<uint8_t> PackFreFile(std::span<const UFreData> channels);
// The record of a .dat file in `layout`, read over `base` (which supplies
// what an older layout lacks); nothing when the bytes are too few or the
// channel count lies outside 0..758.
std::optional<RadioData> UnpackDatFile(std::span<const uint8_t> bytes, DatLayout layout,
                                       const RadioData& base);
// The first `count` channels of a .fre file; nothing when it holds fewer.
std::optional<std::vector<UFreData>> UnpackFreFile(std::span<const uint8_t> bytes, int16_t count);
