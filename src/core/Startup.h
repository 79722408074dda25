#pragma once
// The application core's steps of start-up, which the start-up procedure
// (app/Startup.h) runs in its fixed order among the other subsystems' steps,
// and the small settings files beside the program.
#include <optional>
#include <string_view>

// The decimal point forced to ".", the language from the system locale, the
// start values of the shared state and the system-version flag.
void StartSharedState();
// mysetup.ini, section "language": the six keys, each with the empty text as
// its default (a missing or damaged value reads as false or 0).
void ReadSetupFile();
// After the port check: "IsFirstRun" := "0" on a first run, then "comPort".
void WriteBackSetupFile();
// The help file beside the program, while help is on.
void ChooseHelpFile();

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
