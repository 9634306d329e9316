#include "app/qt/CheckBoxGridView.h"

#include <QGridLayout>

#include "app/qt/CheckBoxView.h"
#include "toolkit/CheckBox.h"

namespace gui {

CheckBoxGridView::CheckBoxGridView(const QString& label, std::deque<toolkit::CheckBox>& boxes,
                                   int columns, const QString& objectPrefix, QWidget* parent)
    : QWidget(parent) {
    setAccessibleName(label);
    // Named like its array, as a button panel is: "Check_sha_012" for "Check_sha_012_".
    setObjectName(objectPrefix.endsWith(QLatin1Char('_')) ? objectPrefix.chopped(1) : objectPrefix);
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(0);
    for (std::size_t i = 0; i < boxes.size(); ++i) {
        auto* box = new CheckBoxView(boxes[i], this);
        box->setObjectName(objectPrefix + QString::number(i));
        const int place = static_cast<int>(i);
        grid->addWidget(box, place / columns, place % columns);
    }
}

}  // namespace gui
