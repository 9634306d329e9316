#include "toolkit/TextBox.h"

#include <utility>

namespace toolkit {

const std::string& TextBox::text() const {
    if (m_isStale && m_fetch) m_text = m_fetch();
    m_isStale = false;
    return m_text;
}

void TextBox::setText(std::string text) {
    m_text = std::move(text);
    m_isStale = false;
    ++m_revision;
    m_view.notify();
    if (m_onChange) m_onChange();
}

void TextBox::setTextColour(Rgb colour) {
    if (colour == m_textColour) return;
    m_textColour = colour;
    m_view.notify();
}

void TextBox::setReadOnly(bool readOnly) {
    m_readOnly = readOnly;
    m_view.notify();
}

void TextBox::setWidth(int width) {
    m_width = width;
    m_view.notify();
}

}  // namespace toolkit
