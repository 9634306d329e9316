#include "app/qt/ButtonArrayView.h"

#include <QGridLayout>
#include <numeric>

#include "app/qt/ButtonView.h"
#include "app/toolkit/ButtonArray.h"

namespace gui {
namespace {

std::vector<std::size_t> indexOrder(std::size_t size) {
    std::vector<std::size_t> order(size);
    std::iota(order.begin(), order.end(), std::size_t{0});
    return order;
}

}  // namespace

ButtonArrayView::ButtonArrayView(const QString& label, toolkit::ButtonArray& array, int columns,
                                 QWidget* parent)
    : ButtonArrayView(label, array, columns, indexOrder(array.size()), parent) {}

ButtonArrayView::ButtonArrayView(const QString& label, toolkit::ButtonArray& array, int columns,
                                 const std::vector<std::size_t>& screenOrder, QWidget* parent)
    : QGroupBox(label, parent) {
    setAccessibleName(label);
    auto* grid = new QGridLayout(this);
    grid->setSpacing(2);
    grid->setContentsMargins(4, 4, 4, 4);
    int place = 0;
    for (std::size_t index : screenOrder) {
        auto* button = new ButtonView(array[index], this);
        button->setObjectName(QString::fromStdString(array.name()) + QLatin1Char('_') +
                              QString::number(index));
        grid->addWidget(button, place / columns, place % columns);
        ++place;
    }
}

}  // namespace gui
