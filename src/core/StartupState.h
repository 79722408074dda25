#pragma once
// Start-up values of the shared state that belong to the data: the feature
// switches, the grid editing state and the model's display name.
#include <string>
#include <string_view>

// The three fixed feature switches: scan off, alert on, help off.
void InitFunEnable();
// The grid editing state of the main window back to 0.
void InitGridEditState();
// The display name of a model code: "KQ-314" for "314KTR" (blank-padded or
// not), else the code's value.
std::string GetModelName(std::string_view code);
// True for a version text such as "V200": four characters once trimmed, an
// upper-case "V" and three that read as a number.
bool IsVersionText(std::string_view text);
