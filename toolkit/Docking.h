#pragma once

#include "toolkit/Window.h"

namespace toolkit {

// The one docking rule of the side windows: beside the main window
// (dockBeside), placed when the side window asks and again whenever the main
// window moves or resizes while the side window is loaded; nothing polls.
class Docking {
public:
    Docking(Window& side, const Window& main);
    Docking(const Docking&) = delete;
    Docking& operator=(const Docking&) = delete;

    // Moves the side window beside the main window, keeping its size.
    void place() const;
    // The same with a new size. The place is chosen for what the window takes
    // on screen: the larger of `size` and its frame, since a view may lay it
    // out larger than asked.
    void place(Window::Size size) const;

private:
    Window& m_side;
    const Window& m_main;
};

}  // namespace toolkit
