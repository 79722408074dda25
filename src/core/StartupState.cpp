#include "core/StartupState.h"

#include "core/FixStr.h"
#include "core/SharedState.h"

void InitFunEnable() {
    AlertEnable = -1;
    HelpEnable = 0;
    ScanEnable = 0;
}

void InitGridEditState() {
    GridEditRow = 0;
    GridEditCol = 0;
    TVEnterCell = {};
}

std::string GetModelName(std::string_view code) {
    std::string model = FixTextValue(code);
    return model == "314KTR" ? "KQ-314" : model;
}

namespace {

// A number as the version check reads it: an optional sign, digits and at
// most one decimal point, with at least one digit.
bool ReadsAsNumber(std::string_view t) {
    if (!t.empty() && (t.front() == '+' || t.front() == '-')) t.remove_prefix(1);
    bool digit = false, point = false;
    for (char c : t) {
        if (c >= '0' && c <= '9') digit = true;
        else if (c == '.' && !point) point = true;
        else return false;
    }
    return digit;
}

}  // namespace

bool IsVersionText(std::string_view text) {
    const std::string v = FixTextValue(text);
    return v.size() == 4 && v[0] == 'V' && ReadsAsNumber(std::string_view(v).substr(1));
}
