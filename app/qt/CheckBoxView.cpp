#include "app/qt/CheckBoxView.h"

#include <QSignalBlocker>

#include "app/qt/QtColours.h"
#include "toolkit/CheckBox.h"

namespace gui {

CheckBoxView::CheckBoxView(toolkit::CheckBox& box, QWidget* parent)
    : QCheckBox(toQString(box.caption()), parent), m_box(box) {
    connect(this, &QCheckBox::toggled, this, [this](bool ticked) { m_box.setTicked(ticked); });
    m_box.setViewListener([this] { sync(); });
    sync();
}

CheckBoxView::~CheckBoxView() {
    m_box.setViewListener({});
}

void CheckBoxView::sync() {
    const QSignalBlocker blocker(this);
    setChecked(m_box.isTicked());
}

}  // namespace gui
