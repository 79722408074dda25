#include "core/MainWindowHooks.h"

namespace {
MainWindowView idleView;
MainWindowView* installed = nullptr;
}  // namespace

MainWindowView& MainView() { return installed ? *installed : idleView; }

MainWindowView* SetMainView(MainWindowView* view) {
    MainWindowView* previous = installed;
    installed = view;
    return previous;
}
