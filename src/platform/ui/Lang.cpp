#include "platform/ui/Lang.h"

#include <cstdint>

#include "core/LangText.h"
#include "platform/TextConvert.h"

namespace platform {

QString Lang(int64_t id) {
    // Ids are 16-bit in the language files; no other id has a text.
    if (id < INT16_MIN || id > INT16_MAX) return {};
    return QText(GetLangText(static_cast<int16_t>(id)));
}

}  // namespace platform
