#pragma once

#include <QRect>

#include "toolkit/Window.h"

class QWidget;

namespace gui {

// The part of the screen `widget` is on that windows may cover: the screen
// less its task bars.
toolkit::Window::Geometry workAreaOf(const QWidget& widget);

// How big a top-level window is on screen, frame included; before it has
// first been shown, `expected` (its frame is not known yet).
toolkit::Window::Size frameSizeOf(const QWidget& window, QSize expected);

// Makes `form` answer with where `window` is and the work area of its
// screen, and tell every move or resize, so that the side windows docked to
// it follow. Undone when the window goes.
void followPlacement(QWidget& window, toolkit::Window& form);

// Sizes a main window to its panels, or to the work area where that is
// smaller (its body then scrolls), and centres it there, frame included.
// Called before the window is shown, when the frame is not known yet, it
// leaves room for a usual one.
void placeCentred(QWidget& window, const QRect& workArea);
// The same on the screen the window is on.
void placeCentred(QWidget& window);

}  // namespace gui
