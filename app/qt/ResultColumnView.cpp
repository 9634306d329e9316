#include "app/qt/ResultColumnView.h"

#include <QAbstractEventDispatcher>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "app/qt/ButtonView.h"
#include "app/qt/CheckBoxView.h"
#include "app/qt/FrameView.h"
#include "app/qt/LabelView.h"
#include "app/qt/ListBoxView.h"
#include "app/qt/NumberBoxView.h"
#include "app/qt/ProgressFillView.h"
#include "app/qt/QtColours.h"
#include "app/qt/TextBoxView.h"
#include "engine/ResultPanel.h"

namespace gui {

ResultColumnView::ResultColumnView(engine::ResultPanel& result, QWidget* parent) : QWidget(parent) {
    auto* column = m_column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);

    auto* list = new ListBoxView(result.Li_out, this);
    list->setObjectName(QStringLiteral("Li_out"));
    list->setAccessibleName(QStringLiteral("缩水结果列表"));
    list->setAccessibleDescription(QStringLiteral("缩水结果，每行一注"));
    column->addWidget(list, 3);

    auto* text = new TextBoxView(result.T_dd_by, this);
    m_text = text;
    text->setObjectName(QStringLiteral("T_dd_by"));
    text->setAccessibleName(QStringLiteral("缩水结果文本"));
    text->setAccessibleDescription(QStringLiteral("缩水结果文本，复制号码时复制的内容"));
    text->setMaximumHeight(90);
    // This box has no double-click action; what matters is that its text is
    // not what gets copied.
    text->setPreviewAdvice(QStringLiteral("这里的文字不会被复制，【%1】复制的是缩水结果")
                               .arg(toQString(result.C_copy.caption())));
    column->addWidget(text, 1);

    auto* commas = new CheckBoxView(result.Check_out_douhao, this);
    commas->setObjectName(QStringLiteral("Check_out_douhao"));
    column->addWidget(commas);

    auto* countRow = new QHBoxLayout;
    auto* countCaption = new QLabel(QStringLiteral("最后注数："), this);
    auto* count = new LabelView(result.dadi_zhushu, this);
    count->setObjectName(QStringLiteral("dadi_zhushu"));
    count->setAccessibleName(QStringLiteral("最后注数"));
    QFont countFont = count->font();
    countFont.setBold(true);
    countFont.setPointSize(countFont.pointSize() + 3);
    count->setFont(countFont);
    countCaption->setBuddy(count);
    // The count grows by a line when it says the conditions changed.
    count->setWordWrap(true);
    countRow->addWidget(countCaption, 0, Qt::AlignTop);
    countRow->addWidget(count, 1);
    column->addLayout(countRow);
    auto* cost = new LabelView(result.L_jine, this);
    cost->setObjectName(QStringLiteral("L_jine"));
    cost->setAccessibleName(QStringLiteral("结果的注数与成本"));
    column->addWidget(cost);
    column->addLayout(toleranceRow(result));

    auto* start = new ButtonView(result.C_guolv_ks, this);
    m_start = start;
    start->setObjectName(QStringLiteral("C_guolv_ks"));
    start->setMinimumHeight(40);
    column->addWidget(start);

    auto* copy = new ButtonView(result.C_copy, this);
    m_copy = copy;
    copy->setObjectName(QStringLiteral("C_copy"));
    copy->setMinimumHeight(30);
    column->addWidget(copy);

    // The event loop about to wait: every change of this round is in.
    connect(QAbstractEventDispatcher::instance(), &QAbstractEventDispatcher::aboutToBlock, this,
            [&result] { result.refreshStaleness(); });

    auto* progress = new FrameView(result.Frame_jindu, this);
    progress->setObjectName(QStringLiteral("Frame_jindu"));
    auto* progressLayout = new QVBoxLayout(progress);
    progressLayout->addWidget(
        new ProgressFillView(result.T_jindutiao[0], result.T_jindutiao[1], progress));
    column->addWidget(progress);
}

// 容错：错 [a] 到 [b] 个条件
QHBoxLayout* ResultColumnView::toleranceRow(engine::ResultPanel& result) {
    auto* row = new QHBoxLayout;
    row->setSpacing(4);
    const std::pair<toolkit::NumberBox*, const char*> boxes[] = {
        {&result.N_rongcuo_min, "N_rongcuo_min"}, {&result.N_rongcuo_max, "N_rongcuo_max"}};
    const QString names[] = {QStringLiteral("容错：最少错几个条件"),
                             QStringLiteral("容错：最多错几个条件")};
    row->addWidget(new QLabel(QStringLiteral("容错：错"), this));
    for (int i = 0; i < 2; ++i) {
        auto* box = new NumberBoxView(*boxes[i].first, this);
        box->setObjectName(QLatin1String(boxes[i].second));
        box->setAccessibleName(names[i]);
        box->setToolTip(QStringLiteral("容错在下次【开始缩水】时生效"));
        row->addWidget(box);
        row->addWidget(new QLabel(i == 0 ? QStringLiteral("到") : QStringLiteral("个条件"), this));
    }
    row->addStretch(1);
    return row;
}

void ResultColumnView::addCommandAfterStart(QWidget* button) {
    m_column->insertWidget(m_column->indexOf(m_start) + 1, button);
}

void ResultColumnView::hideResultText() {
    m_text->hide();
}

void ResultColumnView::addCommand(QWidget* button) {
    m_column->insertWidget(m_column->count() - 1, button);
}

void ResultColumnView::addCommandRow(std::initializer_list<QWidget*> buttons) {
    auto* row = new QHBoxLayout;
    row->setSpacing(4);
    for (QWidget* button : buttons) row->addWidget(button, 1);
    m_column->insertLayout(m_column->count() - 1, row);
}

}  // namespace gui
