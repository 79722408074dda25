#pragma once
// The start-up procedure: everything that runs before the main window
// exists, in its fixed order, ending with the window shown.
#include <functional>
#include <optional>
#include <string>
#include <string_view>

// Runs start-up over the program folder platform::ProgramFolder() and then
// calls `showMainWindow` (when given). Never fails: missing or damaged
// settings files fall back to defaults.
void Main(const std::function<void()>& showMainWindow = {});

// Reads and writes of the small settings files beside the program.
// mysetup.ini keys; a missing key or a value that is no valid boolean or
// integer gives nullopt.
std::optional<bool> ParseIniBool(std::string_view text);
std::optional<int> ParseIniInt(std::string_view text);
// Setting.ini, record 1: the four flags. A missing file is created empty;
// any error gives four zeros.
void LoadSettingFile();
// Writes record 1 of Setting.ini, keeping what follows it. False on failure,
// and false without writing when the existing file cannot be read.
bool SaveSettingFile();
