#include "channels/BatchFun.h"

#include <algorithm>
#include <cstddef>
#include <vector>

#include "core/SharedState.h"
#include "platform/ProgramFolder.h"
#include "platform/SafeFile.h"

namespace {
std::string BatchFunPath() { return platform::BesideProgram("BatchFun.ini"); }
}  // namespace

void DefaultBatchFun() {
    std::fill(BatchFunFlag.begin(), BatchFunFlag.end(), uint8_t{1});
    BatchFunFlag[20] = 0;
}

int16_t IsBatchFunOn(uint8_t flag) { return flag != 0 ? 1 : 0; }

void LoadBatchFun() {
    const platform::FileBytes data = platform::ReadFileHead(BatchFunPath(), kBatchFunCount);
    if (!data.ok() && data.problem->kind == platform::FileProblem::Kind::Missing) {
        DefaultBatchFun();
        SaveBatchFun();
        return;
    }
    if (!data.ok()) return;  // unreadable: the flags keep what they hold
    // A short file supplies what it holds; the missing flags stay 0.
    std::copy(data.bytes.begin(), data.bytes.end(), BatchFunFlag.begin());
    BatchFunFlag[20] = 0;
}

bool SaveBatchFun() {
    return !platform::WriteFileHead(BatchFunPath(), std::span<const uint8_t>(BatchFunFlag).first(kBatchFunCount));
}
