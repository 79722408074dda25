#include "link/ui/SessionDialogs.h"

#include <memory>

#include "core/SharedState.h"
#include "link/ui/FrmPassWord.h"
#include "link/ui/FrmProgress.h"
#include "settings/ui/FrmEMG.h"

void AddSessionDialogs(SessionHooks& hooks) {
    hooks.makeProgress = [] { return std::make_unique<FrmProgressView>(); };
    hooks.askPassWord = [] {
        FrmPassWord form;
        form.exec();
        return PassWordEntered;
    };
    hooks.showEmbedInfo = [] {
        FrmEMG viewer;
        viewer.exec();
    };
}
