#pragma once
// Language text `id` (section "OTHER", with the fallback to the English
// file) as a QString, for captions and list items.
#include <cstdint>

#include <QString>

namespace platform {

QString Lang(int64_t id);

}  // namespace platform
