#include "toolkit/Button.h"

#include <utility>

namespace toolkit {

Button::Button(std::string caption, Rgb backColour)
    : m_caption(std::move(caption)), m_backColour(backColour) {}

void Button::setCaption(std::string caption) {
    m_caption = std::move(caption);
    m_view.notify();
}

void Button::setBackColour(Rgb colour) {
    if (colour == m_backColour) return;
    m_backColour = colour;
    m_view.notify();
}

void Button::setEnabled(bool enabled) {
    if (enabled == m_enabled) return;
    m_enabled = enabled;
    m_view.notify();
}

void Button::setVisible(bool visible) {
    if (visible == m_visible) return;
    m_visible = visible;
    m_view.notify();
}

void Button::press() {
    if (m_enabled && m_onClick) m_onClick();
}

void Button::setToolTip(std::string tip) {
    if (tip == m_toolTip) return;
    m_toolTip = std::move(tip);
    m_view.notify();
}

}  // namespace toolkit
