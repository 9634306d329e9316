#include "toolkit/Frame.h"

namespace toolkit {

void Frame::setVisible(bool visible) {
    if (visible == m_visible) return;
    m_visible = visible;
    m_view.notify();
}

void Frame::move(int left, int top) {
    m_left = left;
    m_top = top;
    m_view.notify();
}

}  // namespace toolkit
