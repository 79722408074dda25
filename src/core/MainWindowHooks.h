#pragma once
// The main window's public operations as the core and the dialogs see them.
// The data operations (loading a file, repairing signalling references) and
// the dialogs must redraw the window, but they cannot depend on it: the main
// window installs itself here when it loads; until then (and in logic tests)
// the calls do nothing.
#include <cstdint>

#include "platform/Seam.h"

class MainWindowView {
public:
    virtual ~MainWindowView() = default;
    // Title and every row of the current view, and the hyper panel.
    virtual void ReShowListByData() {}
    // The window title.
    virtual void ShowMainTxt() {}
    // With `index` 0: redraws the row of channel number `row` in the current
    // view (`col` is not used); any other index does nothing.
    virtual void ReShowGrid(int16_t index, int16_t row, int16_t col) {
        (void)index, (void)row, (void)col;
    }
    // Re-applies the language after a language switch.
    virtual void Form_ReLoad() {}
};

// The view the core redraws; a do-nothing view while none is installed.
MainWindowView& MainView();
// Installs `view` (nullptr puts the do-nothing view back); returns the
// previous one, or nullptr when none was installed.
MainWindowView* SetMainView(MainWindowView* view);
using ScopedMainView = platform::Scoped<&SetMainView>;
