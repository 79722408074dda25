#pragma once
// A used entry of the five-tone code list, as the dialogs' tests set one up.
#include <cstdint>
#include <string_view>

#include "core/SignallingRecords.h"

inline Tone5Code UsedTone5Code(std::string_view code, int standard = 0, int period = 70,
                               std::string_view name = "N") {
    Tone5Code c;
    c.EmptyFlag = 0;
    c.Code = code;
    c.CodeLen = static_cast<uint8_t>(code.size());
    c.Standard = static_cast<uint8_t>(standard);
    c.TonePeriod = static_cast<uint8_t>(period);
    c.Name = name;
    return c;
}
