#include "app/ProgramState.h"

#include "core/FactoryDataHooks.h"
#include "core/LangText.h"
#include "core/SharedState.h"
#include "link/FactorySteps.h"
#include "link/SessionHooks.h"
#include "link/TestData.h"
#include "mainwindow/DialogLauncher.h"
#include "platform/LateWork.h"
#include "printing/PrintData.h"

void ResetProgramState() {
    ResetSharedState();
    ResetLangTextCache();
    FactoryHooks() = {};
    ResetSessionLink();
    ResetFactorySteps();
    ResetTestDataLoad();
    ResetDialogOpeners();
    ResetPrintState();
    platform::ResetLateWork();
}
