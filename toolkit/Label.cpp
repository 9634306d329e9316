#include "toolkit/Label.h"

#include <utility>

namespace toolkit {

void Label::setCaption(std::string caption) {
    m_caption = std::move(caption);
    m_view.notify();
}

void Label::setUnderlined(bool underlined) {
    m_underlined = underlined;
    m_view.notify();
}

void Label::setTextColour(Rgb colour) {
    m_textColour = colour;
    m_view.notify();
}

}  // namespace toolkit
