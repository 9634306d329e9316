#include "app/qt/Any5Window.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

#include "any5/panels/MainForm.h"
#include "app/qt/Any5ShapeColumnView.h"
#include "app/qt/BankerBoxView.h"
#include "app/qt/PanelBox.h"
#include "app/qt/QtColours.h"
#include "app/qt/ResultColumnView.h"

namespace gui {
namespace {

// An empty, named area of the grid that a group of condition panels fills.
QWidget* area(const char* name, int height, QWidget* parent) {
    auto* widget = new QWidget(parent);
    widget->setObjectName(QLatin1String(name));
    widget->setMinimumHeight(height);
    return widget;
}

}  // namespace

Any5Window::Any5Window(any5::MainForm& form, QWidget* parent) : QWidget(parent), m_form(form) {
    setWindowTitle(toQString(form.title()));
    setObjectName(QStringLiteral("Fmain"));

    auto* columns = new QHBoxLayout(this);
    columns->setContentsMargins(6, 6, 6, 6);
    columns->setSpacing(8);

    auto* left = new QVBoxLayout;
    left->setSpacing(4);
    left->addWidget(area("tabArea", kTabAreaHeight, this));
    left->addWidget(new BankerBoxView(form.bankers, this));
    left->addWidget(new PanelBox(QStringLiteral("通杀码"), form.shapes.C_tsm_sha,
                                 {11, QSize(26, 24), {}}, {&form.shapes.C_bdw_chu_cls}, this));
    left->addStretch(1);
    columns->addLayout(left);
    columns->addWidget(new Any5ShapeColumnView(form, this));

    m_result = new ResultColumnView(form.result, this);
    m_result->setFixedWidth(kResultColumnWidth);
    columns->addWidget(m_result);
}

}  // namespace gui
