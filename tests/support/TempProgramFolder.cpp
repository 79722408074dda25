#include "TempProgramFolder.h"

#include "core/SharedState.h"
#include "platform/ProgramFolder.h"

TempProgramFolder::TempProgramFolder() : saved_(platform::ProgramFolder()) {
    ResetSharedState();
    platform::SetProgramFolder(path());
}

TempProgramFolder::~TempProgramFolder() {
    platform::SetProgramFolder(saved_);
    ResetSharedState();
}
