#pragma once
// The serial port and reply timer of the running program's radio sessions.
#include "link/SessionHooks.h"

// Sets the port and timer hooks of `hooks` to the real serial port (the
// device of CommPortNo) and the event loop's timer.
void AddSessionDevices(SessionHooks& hooks);
