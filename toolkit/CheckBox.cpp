#include "toolkit/CheckBox.h"

namespace toolkit {

void CheckBox::setTicked(bool ticked) {
    if (ticked == m_ticked) return;
    m_ticked = ticked;
    m_view.notify();
    if (m_onClick) m_onClick();
}

}  // namespace toolkit
