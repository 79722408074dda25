#pragma once
// The whole program's mutable state back to how it is before start-up runs:
// the shared state and everything the subsystems keep beside it. The
// installed services (prompts, file dialogs, settings store, clock, program
// folder, main-window view, session hooks) stay: whoever installed them puts
// them back.
void ResetProgramState();
