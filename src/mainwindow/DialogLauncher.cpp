#include "mainwindow/DialogLauncher.h"

#include <map>
#include <utility>

namespace {

std::map<DialogId, DialogOpener>& Openers() {
    static std::map<DialogId, DialogOpener> openers;
    return openers;
}

}  // namespace

DialogOpener SetDialogOpener(DialogId id, DialogOpener opener) {
    auto& openers = Openers();
    DialogOpener previous;
    if (const auto it = openers.find(id); it != openers.end()) previous = std::move(it->second);
    if (opener)
        openers[id] = std::move(opener);
    else
        openers.erase(id);
    return previous;
}

void ResetDialogOpeners() { Openers().clear(); }

bool OpenDialog(DialogId id) {
    const auto& openers = Openers();
    const auto it = openers.find(id);
    if (it == openers.end()) return false;
    // A copy: the dialog may replace its own opener while it runs.
    const DialogOpener opener = it->second;
    opener();
    return true;
}
