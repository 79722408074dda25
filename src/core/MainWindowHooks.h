#pragma once
// The main window's redraw operations as the core sees them. The data
// operations (loading a file, repairing signalling references) must redraw
// the window, but the core cannot depend on widgets: the main window installs
// itself here when it is created; until then (and in logic tests) the calls
// do nothing.
class MainWindowView {
public:
    virtual ~MainWindowView() = default;
    // Title and every row of the current view, and the hyper panel.
    virtual void ReShowListByData() {}
    // The window title.
    virtual void ShowMainTxt() {}
};

// The view the core redraws; a do-nothing view while none is installed.
MainWindowView& MainView();
// Installs `view` (nullptr puts the do-nothing view back); returns the
// previous one, or nullptr when none was installed.
MainWindowView* SetMainView(MainWindowView* view);
