#pragma once
// "Beside the program": the folder of the running executable, where the
// language files, the column map, the default data files and the small
// settings files live. Start-up may point it elsewhere (tests use a
// temporary folder).
#include <string>
#include <string_view>

#include "platform/Seam.h"

namespace platform {

// The folder, without a trailing "/".
const std::string& ProgramFolder();
// Points the program at `folder`; returns the folder it used before.
std::string SetProgramFolder(std::string folder);
using ScopedProgramFolder = Scoped<&SetProgramFolder>;
// The folder of the running executable, from /proc/self/exe.
std::string ExecutableFolder();
// ProgramFolder() + "/" + relative.
std::string BesideProgram(std::string_view relative);

}  // namespace platform
