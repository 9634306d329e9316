#include "app/qt/ButtonArrayView.h"

#include <QGridLayout>
#include <numeric>

#include "app/qt/ButtonView.h"
#include "toolkit/ButtonArray.h"

namespace gui {

ButtonArrayView::ButtonArrayView(const QString& label, toolkit::ButtonArray& array,
                                 const Layout& layout, QWidget* parent)
    : QWidget(parent) {
    setAccessibleName(label);
    setObjectName(QString::fromStdString(array.name()));
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    std::vector<std::size_t> order = layout.screenOrder;
    if (order.empty()) {
        order.resize(array.size());
        std::iota(order.begin(), order.end(), std::size_t{0});
    }
    auto* grid = new QGridLayout(this);
    grid->setSpacing(2);
    grid->setContentsMargins(0, 0, 0, 0);
    int place = 0;
    for (std::size_t index : order) {
        auto* button = new ButtonView(array[index], this);
        button->setObjectName(QString::fromStdString(array.name()) + QLatin1Char('_') +
                              QString::number(index));
        button->setFixedSize(layout.buttonSize);
        grid->addWidget(button, place / layout.columns, place % layout.columns);
        ++place;
    }
}

}  // namespace gui
