#include "app/toolkit/Window.h"

namespace toolkit {

void Window::load() {
    if (m_loaded) return;
    m_loaded = true;
    onLoad();
    m_view.notify();
}

void Window::unload() {
    if (!m_loaded) return;
    m_loaded = false;
    for (Timer* timer : m_timers) timer->setEnabled(false);
    m_view.notify();
    if (m_onUnload) m_onUnload();
}

void Window::setGeometry(int left, int top, int width, int height) {
    if (left == m_left && top == m_top && width == m_width && height == m_height) return;
    m_left = left;
    m_top = top;
    m_width = width;
    m_height = height;
    m_view.notify();
}

}  // namespace toolkit
