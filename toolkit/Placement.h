#pragma once

#include "toolkit/Window.h"

namespace toolkit {

// Where windows go on the screen. Rectangles are frame included, in desktop
// coordinates. A work area of zero size is unknown: nothing is kept inside it.

// A main window of at most `size`, centred in the work area and no larger
// than it (the window's panels scroll when it is smaller than they need).
// Work area 0,0 1366x728:  size 1331x715 => 17,6 1331x715
//                          size 1400x800 => 0,0 1366x728
Window::Geometry centredIn(Window::Size size, const Window::Geometry& workArea);

// A side window of `size` docked beside `main`: against its right edge,
// top-aligned, wherever that fits the work area. Otherwise against its left
// edge; and where neither fits, at the work area's left edge, over the main
// window's panels rather than its result column and start button. The side
// window moves up only as far as its bottom must to stay in the work area.
// Work area 0,0 1920x1040, size 520x600:
//   main 100,50 1200x700  => 1300,50   (room on the right)
//   main 600,50 1331x700  => 80,50     (room on the left only)
//   main 200,500 1331x700 => 0,440     (no room beside it; kept on screen)
Window::Geometry dockBeside(const Window::Geometry& main, Window::Size size,
                            const Window::Geometry& workArea);

}  // namespace toolkit
