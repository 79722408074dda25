#pragma once
// The dialogs a radio session opens: the progress dialog of a read or a
// write and the read-password dialog.
#include "link/SessionHooks.h"

// Sets the progress and password hooks of `hooks` to the real dialogs
// (keeping every other hook).
void AddSessionDialogs(SessionHooks& hooks);
