#include "toolkit/Docking.h"

#include <algorithm>

#include "toolkit/Placement.h"

namespace toolkit {

Docking::Docking(Window& side, const Window& main) : m_side(side), m_main(main) {
    // A side window is a member of its main window's form: it lives as long
    // as the main window, so the listener never outlives it.
    m_main.addPlacementListener([this] {
        if (m_side.isLoaded()) place();
    });
}

void Docking::place() const {
    place({m_side.width(), m_side.height()});
}

void Docking::place(Window::Size size) const {
    const Window::Size shown = m_side.frameSize();
    const Window::Geometry spot = dockBeside(
        m_main.geometry(), {std::max(size.width, shown.width), std::max(size.height, shown.height)},
        m_main.workArea());
    m_side.setGeometry(spot.left, spot.top, size.width, size.height);
}

}  // namespace toolkit
