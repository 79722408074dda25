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
    const std::string path = BatchFunPath();
    if (platform::FileExists(path)) {
        const auto data = platform::ReadWholeFile(path);
        if (!data) return;  // unreadable: the flags keep what they hold
        // A short file supplies what it holds; the missing flags stay 0.
        const std::size_t n = std::min<std::size_t>(data->size(), kBatchFunCount);
        for (std::size_t i = 0; i < n; ++i) BatchFunFlag[i] = static_cast<uint8_t>((*data)[i]);
        BatchFunFlag[20] = 0;
        return;
    }
    DefaultBatchFun();
    SaveBatchFun();
}

bool SaveBatchFun() {
    const std::string path = BatchFunPath();
    std::vector<std::byte> bytes;
    if (auto old = platform::ReadWholeFile(path)) bytes = std::move(*old);
    if (bytes.size() < kBatchFunCount) bytes.resize(kBatchFunCount);
    for (int i = 0; i < kBatchFunCount; ++i) bytes[static_cast<std::size_t>(i)] = std::byte{BatchFunFlag[static_cast<std::size_t>(i)]};
    return platform::WriteFileAtomically(path, bytes);
}
