#include "toolkit/NumberBox.h"

#include <algorithm>

namespace toolkit {

void NumberBox::setValue(int value) {
    value = std::clamp(value, m_minimum, std::max(m_minimum, m_maximum));
    if (value == m_value) return;
    m_value = value;
    m_view.notify();
    if (m_onChange) m_onChange();
}

void NumberBox::setRange(int minimum, int maximum) {
    if (minimum == m_minimum && maximum == m_maximum) return;
    m_minimum = minimum;
    m_maximum = maximum;
    m_view.notify();
    setValue(m_value);
}

}  // namespace toolkit
