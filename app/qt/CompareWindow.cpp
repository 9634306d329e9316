#include "app/qt/CompareWindow.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QTableWidget>
#include <QVBoxLayout>

#include "app/qt/ButtonView.h"
#include "app/qt/LabelView.h"
#include "app/qt/QtColours.h"
#include "tools/compare/CompareForm.h"

namespace gui {

CompareWindow::CompareWindow(compare::CompareForm& form, QWidget* mainWindow)
    : SideWindow(form, "F_duibi", mainWindow), m_form(form) {
    auto* column = new QVBoxLayout(this);
    auto* file = new LabelView(form.L_duibi_wenjian, this);
    file->setObjectName(QStringLiteral("L_duibi_wenjian"));
    column->addWidget(file);
    m_table = new QTableWidget(0, 4, this);
    m_table->setObjectName(QStringLiteral("Li_duibi"));
    m_table->setAccessibleName(QStringLiteral("方案对比表"));
    m_table->setHorizontalHeaderLabels({QStringLiteral("条件"), QStringLiteral("当前"),
                                        QStringLiteral("方案"), QStringLiteral("比较")});
    m_table->verticalHeader()->hide();
    m_table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_table->horizontalHeader()->setStretchLastSection(true);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setMinimumSize(560, 260);
    column->addWidget(m_table, 1);
    auto* counts = new LabelView(form.L_duibi_jieguo, this);
    counts->setObjectName(QStringLiteral("L_duibi_jieguo"));
    column->addWidget(counts);
    auto* buttons = new QHBoxLayout;
    const std::pair<toolkit::Button*, const char*> commands[] = {
        {&form.C_duibi_gongtong, "C_duibi_gongtong"},
        {&form.C_duibi_dangqian, "C_duibi_dangqian"},
        {&form.C_duibi_fangan, "C_duibi_fangan"},
        {&form.C_duibi_tihuan, "C_duibi_tihuan"}};
    for (const auto& [button, name] : commands)
        buttons->addWidget(commandButton(*button, name, this));
    column->addLayout(buttons);
    m_form.setContentListener([this] { fill(); });
    followForm();
}

CompareWindow::~CompareWindow() {
    m_form.setContentListener({});
}

void CompareWindow::fill() {
    const auto& rows = m_form.rows();
    m_table->setRowCount(static_cast<int>(rows.size()));
    for (int r = 0; r < static_cast<int>(rows.size()); ++r) {
        const auto& row = rows[static_cast<std::size_t>(r)];
        const QString cells[] = {toQString(row.name), toQString(row.first), toQString(row.second),
                                 toQString(compare::CompareForm::stateText(row.state))};
        for (int c = 0; c < 4; ++c) m_table->setItem(r, c, readOnlyCell(cells[c]));
    }
}

}  // namespace gui
