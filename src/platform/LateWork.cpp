#include "platform/LateWork.h"

#include <utility>
#include <vector>

#include <QObject>
#include <QPointer>

namespace platform {
namespace {

bool& Holding() {
    static bool holding = false;
    return holding;
}

std::vector<std::function<void()>>& Kept() {
    static std::vector<std::function<void()>> kept;
    return kept;
}

}  // namespace

void DoLateWork(std::function<void()> work) {
    if (Holding())
        Kept().push_back(std::move(work));
    else
        work();
}

void DoLateWork(const QObject& owner, std::function<void()> work) {
    DoLateWork([alive = QPointer<const QObject>(&owner), work = std::move(work)] {
        if (alive) work();
    });
}

void RunLateWork() {
    // A step at a time: whatever a step lets happen (a message box lets the
    // user act) finds the steps after it still waiting, and runs them first.
    while (!Kept().empty()) {
        const std::function<void()> step = std::move(Kept().front());
        Kept().erase(Kept().begin());
        step();
    }
}

bool SetHoldLateWork(bool hold) {
    const bool previous = std::exchange(Holding(), hold);
    if (!hold) RunLateWork();
    return previous;
}

void ResetLateWork() { Kept().clear(); }

}  // namespace platform
