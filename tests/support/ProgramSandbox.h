#pragma once
// A test's whole program environment, for the life of the object: the
// program's state reset, a temporary program folder (this object) holding
// both shipped language files, an in-memory per-user settings store, a fixed
// clock, and prompts, file dialogs and a printer that answer only from their
// scripts (an unexpected one, or an expected one that never came, fails the
// test).
// Everything is put back, and the state reset again, when it ends.
#include <string_view>

#include "ScriptedFileDialogs.h"
#include "ScriptedPrinter.h"
#include "ScriptedPrompts.h"
#include "TempDir.h"
#include "platform/Clock.h"
#include "platform/ProgramFolder.h"
#include "platform/UserSettings.h"

class ProgramSandbox : public TempDir {
public:
    ProgramSandbox();
    ~ProgramSandbox();

    // The program's state back to its start, keeping the folder and the
    // services: for a test that runs several cases from the start.
    void Reset();

    // Rewrites text `id` of the folder's english.ini (the key must be there)
    // and forgets every text read so far: for a test of texts that read alike.
    void SetEnglishText(int id, std::string_view text);

    // The moment the clock shows until a test sets another.
    static constexpr platform::DateTime kFixedTime{2015, 5, 26, 10, 0, 0};

    ScriptedPrompts prompts;
    ScriptedFileDialogs fileDialogs;
    ScriptedPrinter printer;
    platform::MemoryUserSettings settings;
    platform::FixedClock clock{kFixedTime};

private:
    platform::ScopedProgramFolder folder_;
    platform::ScopedUserSettings settings_{settings};
    platform::ScopedClock clock_{clock};
};
