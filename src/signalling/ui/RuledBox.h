#pragma once
// The code, ID, tone and name boxes of the signalling dialogs: each takes
// the characters its rule passes (typed, pasted or dropped), swallows the
// clipboard keys and selects its whole text when it gets the focus.
#include <optional>

#include "platform/ui/TextBox.h"

using CharacterRule = std::optional<char16_t> (*)(char16_t);

inline void SetUpRuledBox(platform::TextBox* box, CharacterRule rule) {
    box->SetCharRule([rule](QChar c) -> std::optional<QChar> {
        if (const auto kept = rule(c.unicode())) return QChar(*kept);
        return std::nullopt;
    });
    box->SetSwallowClipboardKeys(true);
    box->SetSelectAllOnFocus(true);
}
