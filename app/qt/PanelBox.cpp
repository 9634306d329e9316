#include "app/qt/PanelBox.h"

#include <QHBoxLayout>

#include "app/qt/ButtonView.h"

namespace gui {

PanelBox::PanelBox(const QString& title, toolkit::ButtonArray& array,
                   const ButtonArrayView::Layout& layout,
                   std::initializer_list<toolkit::Button*> commands, QWidget* parent)
    : QGroupBox(title, parent) {
    setAccessibleName(title);
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(6, 2, 6, 4);
    row->setSpacing(4);
    row->addWidget(new ButtonArrayView(title, array, layout, this));
    row->addStretch(1);
    for (toolkit::Button* command : commands) {
        auto* button = new ButtonView(*command, this);
        button->setFixedSize(layout.buttonSize.width() + 4, layout.buttonSize.height());
        row->addWidget(button, 0, Qt::AlignTop);
    }
}

}  // namespace gui
