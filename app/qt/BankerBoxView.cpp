#include "app/qt/BankerBoxView.h"

#include <QGridLayout>
#include <QLabel>

#include "any5/panels/BankerPanel.h"
#include "app/qt/ButtonArrayView.h"
#include "app/qt/ButtonView.h"

namespace gui {
namespace {

// Group 1 keeps "01" at index 9; on screen every row reads 01..11.
const std::vector<std::size_t> kFirstGroupOrder = {9, 0, 1, 2, 3, 4, 5, 6, 7, 8, 10};
const QSize kButton(26, 24);

}  // namespace

BankerBoxView::BankerBoxView(any5::BankerPanel& bankers, toolkit::Button& help, QWidget* parent)
    : QGroupBox(QStringLiteral("胆码"), parent) {
    setAccessibleName(QStringLiteral("胆码"));
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(6, 2, 6, 4);
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(2);
    grid->addWidget(new QLabel(QStringLiteral("胆码开出个数"), this), 0, 2);
    auto* helpView = new ButtonView(help, this);
    helpView->setObjectName(QStringLiteral("C_shuomingshu_0"));
    helpView->setFixedSize(64, 22);
    grid->addWidget(helpView, 0, 1, Qt::AlignLeft);

    for (int group = 1; group <= any5::BankerPanel::kGroups; ++group) {
        const QString label = QStringLiteral("胆码%1").arg(group);
        grid->addWidget(new QLabel(label, this), group, 0);

        ButtonArrayView::Layout numbers{11, kButton, {}};
        if (group == 1) numbers.screenOrder = kFirstGroupOrder;
        grid->addWidget(new ButtonArrayView(label, bankers.numbers(group), numbers, this), group,
                        1);
        grid->addWidget(new ButtonArrayView(label + QStringLiteral(" 胆码开出个数"),
                                            bankers.counts(group), {6, QSize(22, 24), {}}, this),
                        group, 2);

        auto* clear = new ButtonView(bankers.clearButton(group), this);
        clear->setObjectName(QStringLiteral("C_danma_chu_cls%1").arg(group));
        clear->setFixedSize(kButton);
        grid->addWidget(clear, group, 3);
        auto* all =
            new ButtonView(bankers.C_danma_chu_all[static_cast<std::size_t>(group - 1)], this);
        all->setObjectName(QStringLiteral("C_danma_chu_all_%1").arg(group - 1));
        all->setFixedSize(kButton);
        grid->addWidget(all, group, 4);
    }
    grid->setColumnStretch(5, 1);
}

}  // namespace gui
