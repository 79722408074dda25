#include "mainwindow/MainLayout.h"

#include <algorithm>
#include <cmath>

namespace layout {

Result SizeControls(const Input& in) {
    Result r;
    double x = in.splitter;
    if (x < kSplitterMin) x = kSplitterMin;
    if (x > in.outerWidth - kSplitterMin) x = in.outerWidth - kSplitterMin;
    r.splitter = x;

    const double gridLeft = x + kGridGap;
    const double gridWidth = std::max<double>(in.clientWidth - gridLeft, kGridMinWidth);

    const double top = in.toolbarVisible ? in.toolbarHeight : 0;
    double treeHeight = in.statusVisible ? in.clientHeight - in.statusHeight : in.clientHeight;
    if (in.toolbarVisible) treeHeight -= in.toolbarTop + in.toolbarHeight;
    // A window too small for its bars keeps empty controls rather than
    // negative ones.
    treeHeight = std::max(0.0, treeHeight);

    r.tree = {0, top, x, treeHeight};
    r.splitterStrip = {x, top, kSplitterWidth, treeHeight};
    r.grid = {gridLeft, top, gridWidth, std::max(0.0, treeHeight - kGridGap)};
    return r;
}

double DragBarLeft(double splitterLeft, double mouseX, double outerWidth) {
    const double p = splitterLeft + mouseX;
    if (p < kSplitterMin) return kSplitterMin;
    if (p > outerWidth / 2) return outerWidth / 2;
    return p;
}

Rect DragBar(const Rect& splitterStrip) {
    return {splitterStrip.left, splitterStrip.top, std::floor(splitterStrip.width / 2),
            std::max(0.0, splitterStrip.height - kDragBarShorter)};
}

}  // namespace layout
