#include "app/qt/Any5Window.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

#include "any5/panels/MainForm.h"
#include "app/qt/QtColours.h"
#include "app/qt/ResultColumnView.h"

namespace gui {
namespace {

// An empty, named area of the grid that a group of condition panels fills.
QWidget* area(const char* name, int width, QWidget* parent) {
    auto* widget = new QWidget(parent);
    widget->setObjectName(QLatin1String(name));
    widget->setFixedWidth(width);
    return widget;
}

}  // namespace

Any5Window::Any5Window(any5::MainForm& form, QWidget* parent) : QWidget(parent), m_form(form) {
    setWindowTitle(toQString(form.title()));
    setObjectName(QStringLiteral("Fmain"));

    auto* columns = new QHBoxLayout(this);
    columns->setContentsMargins(6, 6, 6, 6);

    auto* left = new QVBoxLayout;
    left->addWidget(area("tabArea", kLeftColumnWidth, this), 1);
    left->addWidget(area("lowerLeftPanels", kLeftColumnWidth, this), 1);
    columns->addLayout(left);
    columns->addWidget(area("middlePanels", kMiddleColumnWidth, this));

    m_result = new ResultColumnView(form.result, this);
    m_result->setFixedWidth(kResultColumnWidth);
    columns->addWidget(m_result);

    resize(kLeftColumnWidth + kMiddleColumnWidth + kResultColumnWidth + 40, 700);
}

}  // namespace gui
