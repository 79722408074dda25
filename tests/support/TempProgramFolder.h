#pragma once
// The program folder of a test: a whole sandbox (ProgramSandbox.h).
#include "ProgramSandbox.h"

using TempProgramFolder = ProgramSandbox;
