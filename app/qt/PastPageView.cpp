#include "app/qt/PastPageView.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>

#include "app/qt/ButtonArrayView.h"
#include "app/qt/ButtonView.h"
#include "app/qt/FrameView.h"
#include "app/qt/LabelView.h"
#include "app/qt/NumberBoxView.h"
#include "app/qt/TextBoxView.h"
#include "tools/draws/PastPanel.h"

namespace gui {
namespace {

const QSize kNumber(26, 24);

NumberBoxView* ruleBox(toolkit::NumberBox& box, const char* objectName, const QString& name,
                       QWidget* parent) {
    auto* view = new NumberBoxView(box, parent);
    view->setObjectName(QLatin1String(objectName));
    view->setAccessibleName(name);
    return view;
}

// "近 [10] 期 热≥ [6] 冷≤ [3]"
QWidget* ruleRow(draws::PastPanel& panel, QWidget* parent) {
    auto* row = new QWidget(parent);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(3);
    layout->addWidget(new QLabel(QStringLiteral("近"), row));
    layout->addWidget(
        ruleBox(panel.N_re_qishu, "N_re_qishu", QStringLiteral("热温冷看近几期"), row));
    layout->addWidget(new QLabel(QStringLiteral("期 热≥"), row));
    layout->addWidget(ruleBox(panel.N_re_re, "N_re_re", QStringLiteral("热号至少开几次"), row));
    layout->addWidget(new QLabel(QStringLiteral("冷≤"), row));
    layout->addWidget(ruleBox(panel.N_re_leng, "N_re_leng", QStringLiteral("冷号至多开几次"), row));
    layout->addStretch(1);
    return row;
}

// "上期号码 [          ] [说明]"
QWidget* typedRow(draws::PastPanel& panel, QWidget* parent) {
    auto* row = new QWidget(parent);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(4);
    const QString name = QStringLiteral("上期号码");
    layout->addWidget(new QLabel(name, row));
    auto* box = new TextBoxView(panel.T_shangqi, row);
    box->setObjectName(QStringLiteral("T_shangqi"));
    box->setAccessibleName(name);
    box->setToolTip(QStringLiteral("没有开奖历史时，在这里输入上期开奖号，如 03 07 01 11 05"));
    box->setFixedHeight(26);
    box->setMinimumWidth(100);
    box->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);  // a text box hints 256
    box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    box->setTabChangesFocus(true);
    layout->addWidget(box, 1);
    auto* help = new ButtonView(panel.C_shuoming, row);
    help->setObjectName(QStringLiteral("C_shuoming"));
    help->setFixedSize(44, 24);
    layout->addWidget(help);
    return row;
}

void addRow(QGridLayout* grid, int row, int column, const char* label, toolkit::ButtonArray& array,
            QWidget* parent) {
    const QString caption = QString::fromUtf8(label);
    grid->addWidget(new QLabel(caption, parent), row, column);
    grid->addWidget(new ButtonArrayView(caption, array, {6, kNumber, {}}, parent), row, column + 1);
}

}  // namespace

void fillPastPage(FrameView* page, draws::PastPanel& panel, const std::vector<NamedRow>& ownRows) {
    auto* grid = new QGridLayout(page);
    grid->setContentsMargins(6, 4, 6, 4);
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(2);
    auto* previous = new LabelView(panel.L_shangqi, page);
    previous->setObjectName(QStringLiteral("L_shangqi"));
    previous->setAccessibleName(QStringLiteral("上期"));
    previous->setWordWrap(true);
    auto* classes = new LabelView(panel.L_rewenleng, page);
    classes->setObjectName(QStringLiteral("L_rewenleng"));
    classes->setAccessibleName(QStringLiteral("热温冷"));
    classes->setWordWrap(true);
    // The lines wrap within their half rather than widen the page.
    for (auto* line : {previous, classes}) {
        line->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
        line->setMinimumHeight(2 * line->fontMetrics().height());
        line->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    }
    grid->addWidget(previous, 0, 0, 1, 2);
    grid->addWidget(classes, 0, 2, 1, 2);
    grid->addWidget(typedRow(panel, page), 1, 0, 1, 2);
    grid->addWidget(ruleRow(panel, page), 1, 2, 1, 2);
    for (int k = 0; k < 3; ++k) {
        const auto near = draws::PastPanel::kRows[static_cast<std::size_t>(k)];
        const auto heat = draws::PastPanel::kRows[static_cast<std::size_t>(k + 3)];
        addRow(grid, 2 + k, 0, draws::PastPanel::rowName(near), panel.row(near), page);
        addRow(grid, 2 + k, 2, draws::PastPanel::rowName(heat), panel.row(heat), page);
    }
    for (std::size_t k = 0; k < ownRows.size(); ++k) {
        addRow(grid, 5 + static_cast<int>(k / 2), static_cast<int>(k % 2) * 2, ownRows[k].first,
               *ownRows[k].second, page);
    }
    grid->setRowStretch(5 + static_cast<int>((ownRows.size() + 1) / 2), 1);
    grid->setColumnStretch(4, 1);
}

}  // namespace gui
