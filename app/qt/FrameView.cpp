#include "app/qt/FrameView.h"

#include "app/qt/QtColours.h"
#include "toolkit/Frame.h"

namespace gui {

FrameView::FrameView(toolkit::Frame& frame, QWidget* parent)
    : QGroupBox(toQString(frame.caption()), parent), m_frame(frame) {
    setAccessibleName(toQString(frame.caption()));
    m_frame.setViewListener([this] { sync(); });
    sync();
}

FrameView::~FrameView() {
    m_frame.setViewListener({});
}

void FrameView::sync() {
    setVisible(m_frame.isVisible());
}

}  // namespace gui
