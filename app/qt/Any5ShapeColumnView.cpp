#include "app/qt/Any5ShapeColumnView.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "any5/panels/MainForm.h"
#include "app/qt/ButtonArrayView.h"
#include "app/qt/OptionGroupView.h"
#include "app/qt/PanelBox.h"

namespace gui {
namespace {

const QSize kNumber(26, 24);

// "奇偶，质合，大小": the big-number range and the three rows of counts.
QGroupBox* countFrame(any5::CountPanel& counts, QWidget* parent) {
    auto* frame = new QGroupBox(QStringLiteral("奇偶，质合，大小"), parent);
    frame->setAccessibleName(frame->title());
    auto* grid = new QGridLayout(frame);
    grid->setContentsMargins(6, 2, 6, 4);
    grid->setVerticalSpacing(2);
    grid->addWidget(new OptionGroupView(counts.Op_dahao_fanwei, frame), 0, 0, 1, 2);
    const std::pair<const char*, toolkit::ButtonArray*> rows[] = {
        {"大号个数", &counts.C_dahao_geshu},
        {"奇号个数", &counts.C_jishu_geshu},
        {"质号个数", &counts.C_zhihe_geshu},
    };
    int row = 1;
    for (const auto& [label, array] : rows) {
        const QString caption = QString::fromUtf8(label);
        grid->addWidget(new QLabel(caption, frame), row, 0);
        grid->addWidget(new ButtonArrayView(caption, *array, {6, kNumber, {}}, frame), row, 1);
        ++row;
    }
    grid->setColumnStretch(2, 1);
    return frame;
}

}  // namespace

Any5ShapeColumnView::Any5ShapeColumnView(any5::MainForm& form, QWidget* parent) : QWidget(parent) {
    auto& shapes = form.shapes;
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(4);

    column->addWidget(new PanelBox(QStringLiteral("杀和尾"), shapes.C_zuobian_sha_heiwei,
                                   {10, kNumber, {}}, {&shapes.C_zuobian_sha_heiwei_cls}, this));
    column->addWidget(new PanelBox(
        QStringLiteral("杀和值"), shapes.C_sha_hezhi, {11, kNumber, {}},
        {&shapes.C_zuobian_sha_zhidinghezhi_all, &shapes.C_zuobian_sha_zhidinghezhi_cls}, this));
    column->addWidget(new PanelBox(QStringLiteral("杀跨度"), shapes.C_kuadu_sha, {7, kNumber, {}},
                                   {&shapes.C_kuadu_sha_cls}, this));

    auto* minMax = new QHBoxLayout;
    minMax->addWidget(
        new PanelBox(QStringLiteral("最小号码"), form.minMax.C_min, {7, kNumber, {}}, {}, this));
    minMax->addWidget(new PanelBox(QStringLiteral("最大号码"), form.minMax.C_max, {7, kNumber, {}},
                                   {&form.links.C_shuomingshu[1]}, this));
    column->addLayout(minMax);

    column->addWidget(new PanelBox(QStringLiteral("间距模式过滤"), shapes.C_jiange,
                                   {11, kNumber, {}},
                                   {&shapes.C_jianju_cls, &form.links.C_shuomingshu[2]}, this));
    column->addWidget(countFrame(form.counts, this));
    column->addWidget(new PanelBox(QStringLiteral("杀连码 [01 11算连号]"), shapes.C_sha_xingtai_01,
                                   {6, QSize(64, 24), {}}, {&form.links.C_shuomingshu[3]}, this));
    column->addStretch(1);
}

}  // namespace gui
