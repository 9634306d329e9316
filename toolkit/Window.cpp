#include "toolkit/Window.h"

namespace toolkit {

void Window::load() {
    if (m_loaded) return;
    m_loaded = true;
    onLoad();
    m_view.notify();
}

void Window::show() {
    if (m_loaded) {
        m_view.notify();
    } else {
        load();
    }
}

void Window::unload() {
    if (!m_loaded) return;
    m_loaded = false;
    for (Timer* timer : m_timers) timer->setEnabled(false);
    m_view.notify();
    if (m_onUnload) m_onUnload();
}

Window::Size Window::frameSize() const {
    if (m_frameSizeSource) return m_frameSizeSource();
    const Geometry place = geometry();
    return {place.width, place.height};
}

void Window::setGeometry(int left, int top, int width, int height) {
    const Geometry wanted{left, top, width, height};
    const Geometry now = m_geometry;
    if (wanted.left == now.left && wanted.top == now.top && wanted.width == now.width &&
        wanted.height == now.height)
        return;
    m_geometry = wanted;
    m_view.notify();
    placementChanged();
}

void Window::placementChanged() const {
    for (const auto& listener : m_placementListeners) listener();
}

}  // namespace toolkit
