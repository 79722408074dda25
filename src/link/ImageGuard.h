#pragma once
// How a guarded encoder fails: any failure of its own work clears
// `WriteDataOK` and shows "<Name>Error" in an OK box without icon; the image
// is then partly written and the write must not start.
#include <stdexcept>
#include <string_view>
#include <utility>

#include "core/SharedState.h"
#include "platform/Guard.h"

// A failure that says where it happened (which channel, which field); its
// text is shown on a second line under "<Name>Error".
struct EncodeError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// Runs `body`; returns false (after the report) when it failed. Every
// failure's own text (a range error of the image, a memory shortage) stands
// on the second line.
template <class Body>
bool RunGuardedEncoder(std::string_view name, Body&& body) {
    if (platform::RunGuarded(name, std::forward<Body>(body))) return true;
    WriteDataOK = false;
    return false;
}
