#include "core/StartupState.h"
#include "core/TextCodec.h"

#include "core/FixStr.h"
#include "core/NumericText.h"
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
    std::string model = TrimFixStr(code);
    return model == "314KTR" ? "KQ-314" : model;
}

bool IsVersionText(std::string_view text) {
    const std::string v = TrimFixStr(text);
    return v.size() == 4 && v[0] == 'V' && IsNumericText(std::string_view(v).substr(1));
}
