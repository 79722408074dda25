#pragma once
// How the main window shares its client area between the tree, the splitter
// and the channel grid, in twips (1/1440 inch) as the window's layout was
// drawn. Pure arithmetic, so the rules are tested without a window.

#include "platform/Twips.h"

using platform::PixelsFromTwips;
using platform::TwipsFromPixels;

namespace layout {

inline constexpr int kSplitterMin = 30;        // nearest the splitter comes to either edge
inline constexpr int kSplitterStart = 2400;    // splitter position of a new window
inline constexpr int kSplitterWidth = 150;     // the invisible strip the mouse grabs
inline constexpr int kGridGap = 30;            // from splitter position to grid
inline constexpr int kGridMinWidth = 11438;    // the grid runs past the edge rather than shrink
inline constexpr int kWindowMinWidth = 3000;   // outer width the window snaps back to
inline constexpr int kDragBarShorter = 20;     // drag bar height = splitter height less this

struct Rect {
    double left = 0, top = 0, width = 0, height = 0;
    bool operator==(const Rect&) const = default;
};

// The hyper bank panel: a fixed place measured from the top of the client
// area (below the menu bar), whether the toolbar shows or not.
inline constexpr Rect kHyperPanel{3240, 4440, 8775, 2655};

struct Input {
    double splitter = kSplitterStart;  // wanted splitter position
    double outerWidth = 0;             // window with its frame
    double clientWidth = 0;
    double clientHeight = 0;           // below the menu bar
    bool toolbarVisible = true;
    double toolbarTop = 0;
    double toolbarHeight = 0;
    bool statusVisible = true;
    double statusHeight = 0;
};

struct Result {
    double splitter = 0;  // the position after clamping
    Rect tree;
    Rect splitterStrip;
    // The grid's last, empty column takes whatever width its other columns
    // leave (the grid itself does that), so none is given here.
    Rect grid;
};

// Lays the client area out with the splitter at in.splitter.
Result SizeControls(const Input& in);

// Where the drag bar stands while the splitter is dragged: the mouse at
// `mouseX` from the splitter's left edge `splitterLeft`, held between the
// left edge and the middle of the window.
double DragBarLeft(double splitterLeft, double mouseX, double outerWidth);

// The drag bar over a splitter strip: half as wide, a little shorter.
Rect DragBar(const Rect& splitterStrip);

}  // namespace layout
