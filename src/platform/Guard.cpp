#include "platform/Guard.h"

#include <string>

#include "platform/Prompts.h"

namespace platform {

void ReportGuardedFailure(std::string_view name, std::string_view detail) noexcept {
    try {
        std::string text = std::string(name) + "Error";
        if (!detail.empty()) {
            text += "\n";
            text += detail;
        }
        MsgBox(text, Buttons::Ok);
    } catch (...) {
        // Nothing is left to tell the user with; the program goes on.
    }
}

}  // namespace platform
