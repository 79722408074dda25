#pragma once
// A guarded procedure: whatever fails inside it (an index check, a bad
// conversion) is reported as "<Name>Error" in an OK box, with the failure's
// own text on a second line when it has one, and the program goes on.
// Every event handler that runs a procedure goes through here, so no
// exception ever crosses the event loop.
#include <exception>
#include <string_view>

namespace platform {

// Shows "<name>Error" (and "\n" + detail when detail is not empty) through
// the prompt seam. Never throws.
void ReportGuardedFailure(std::string_view name, std::string_view detail) noexcept;

// Runs `body`; false after the report when it failed.
template <class Body>
bool RunGuarded(std::string_view name, Body&& body) noexcept {
    try {
        body();
        return true;
    } catch (const std::exception& e) {
        ReportGuardedFailure(name, e.what());
    } catch (...) {
        ReportGuardedFailure(name, {});
    }
    return false;
}

}  // namespace platform
