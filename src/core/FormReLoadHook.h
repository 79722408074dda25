#pragma once
// How the language dialog reaches the main window's Form_ReLoad without
// depending on it: the main window installs its reload here when it loads.
// Empty until then; callers test it before calling.
#include <functional>

inline std::function<void()>& FormReLoadHook() {
    static std::function<void()> hook;
    return hook;
}
