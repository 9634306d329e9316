#include "app/qt/ProgressFillView.h"

#include <QPainter>

#include "toolkit/TextBox.h"

namespace gui {

ProgressFillView::ProgressFillView(toolkit::TextBox& track, toolkit::TextBox& fill, QWidget* parent)
    : QWidget(parent), m_track(track), m_fill(fill) {
    setMinimumHeight(12);
    m_fill.setViewListener([this] { update(); });
}

ProgressFillView::~ProgressFillView() {
    m_fill.setViewListener({});
}

void ProgressFillView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    const int track = m_track.width();
    if (track <= 0) return;
    const int filled = static_cast<int>(static_cast<long long>(width()) * m_fill.width() / track);
    painter.fillRect(QRect(0, 0, filled, height()), Qt::red);
}

}  // namespace gui
