#pragma once
// Work that may wait: a few slow steps of start-up that nothing the main
// window shows first depends on. While late work is held (the running
// program holds it until its window has first painted) such a step is kept
// instead of run; everything the user can reach that depends on one runs
// RunLateWork() first, and the end of holding runs what is left.
#include <functional>

#include "platform/Seam.h"

class QObject;

namespace platform {

// Runs `work` now, or keeps it while late work is held.
void DoLateWork(std::function<void()> work);
// The same for work that uses `owner`: kept work goes with its owner, so a
// window destroyed before the kept work runs leaves nothing that reaches it.
void DoLateWork(const QObject& owner, std::function<void()> work);
// Runs the kept work now, oldest first.
void RunLateWork();
// Holds late work or not; returns the previous setting. Ending the hold
// runs the kept work.
bool SetHoldLateWork(bool hold);
using ScopedHoldLateWork = Scoped<&SetHoldLateWork>;
// Forgets the kept work unrun (the program's state back to its start).
void ResetLateWork();

}  // namespace platform
