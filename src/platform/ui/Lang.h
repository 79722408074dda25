#pragma once
// Language text `id` (section "OTHER", with the fallback to the English
// file) as a QString, for captions and list items.
#include <QString>

namespace platform {

QString Lang(int id);

}  // namespace platform
