#include "app/qt/OptionGroupView.h"

#include <QHBoxLayout>
#include <QRadioButton>
#include <QSignalBlocker>

#include "app/qt/QtColours.h"
#include "toolkit/OptionGroup.h"

namespace gui {

OptionGroupView::OptionGroupView(toolkit::OptionGroup& group, QWidget* parent)
    : QWidget(parent), m_group(group) {
    setObjectName(toQString(group.name()));
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    for (std::size_t i = 0; i < group.size(); ++i) {
        auto* button = new QRadioButton(toQString(group.caption(i)), this);
        button->setObjectName(toQString(group.name()) + QLatin1Char('_') + QString::number(i));
        // Not `clicked`: a screen reader's toggle action and the arrow keys
        // check a button without clicking it.
        connect(button, &QRadioButton::toggled, this, [this, i](bool isChecked) {
            if (isChecked) m_group.choose(i);
        });
        row->addWidget(button);
        m_buttons.push_back(button);
    }
    row->addStretch(1);
    m_group.setViewListener([this] { sync(); });
    sync();
}

OptionGroupView::~OptionGroupView() {
    m_group.setViewListener({});
}

void OptionGroupView::sync() {
    for (std::size_t i = 0; i < m_buttons.size(); ++i) {
        const QSignalBlocker blocker(m_buttons[i]);
        m_buttons[i]->setChecked(i == m_group.chosen());
    }
}

}  // namespace gui
