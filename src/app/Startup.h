#pragma once
// The start-up procedure: everything that runs before the main window
// exists, in its fixed order across the subsystems, ending with the window
// shown.
#include <functional>

// Runs start-up over the program folder platform::ProgramFolder() and then
// calls `showMainWindow` (when given). Never fails: missing or damaged
// settings files fall back to defaults.
void Main(const std::function<void()>& showMainWindow = {});
