#include "app/qt/NumberBoxView.h"

#include <QSignalBlocker>

#include "toolkit/NumberBox.h"

namespace gui {

NumberBoxView::NumberBoxView(toolkit::NumberBox& box, QWidget* parent)
    : QSpinBox(parent), m_box(box) {
    connect(this, &QSpinBox::valueChanged, this, [this](int value) { m_box.setValue(value); });
    m_box.setViewListener([this] { sync(); });
    sync();
}

NumberBoxView::~NumberBoxView() {
    m_box.setViewListener({});
}

void NumberBoxView::sync() {
    const QSignalBlocker blocker(this);
    setRange(m_box.minimum(), m_box.maximum());
    setValue(m_box.value());
}

}  // namespace gui
