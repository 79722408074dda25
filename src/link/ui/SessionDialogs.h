#pragma once
// The dialogs a radio session opens: the progress dialog of a read or a
// write, the read-password dialog and the embedded-information viewer.
#include "link/SessionHooks.h"

// Sets the progress, password and viewer hooks of `hooks` to the real dialogs
// (keeping every other hook).
void AddSessionDialogs(SessionHooks& hooks);
