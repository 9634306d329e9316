#pragma once

#include <QString>

#include "app/qt/SideWindow.h"

class QDoubleSpinBox;
class QLabel;
class QPlainTextEdit;
class QTableWidget;

namespace tickets {
class TicketForm;
}

namespace gui {

// Fbaozhong, "保中缩票", on screen: the time each play may take, 计算 and 停止,
// one row per play with its tickets, cost, prizes and whether the count is
// proven least (the cheapest row and the best guaranteed prize for its cost
// marked), and the chosen play's tickets to copy.
class TicketWindow final : public SideWindow {
    Q_OBJECT
public:
    TicketWindow(tickets::TicketForm& form, QWidget* mainWindow);
    ~TicketWindow() override;

private:
    void refresh();

    tickets::TicketForm& m_form;
    QLabel* m_explain = nullptr;
    QLabel* m_status = nullptr;
    QDoubleSpinBox* m_timeLimit = nullptr;
    QTableWidget* m_table = nullptr;
    QLabel* m_ticketsHeading = nullptr;
    QPlainTextEdit* m_tickets = nullptr;
    QString m_shownTickets;
    bool m_isFilling = false;
};

}  // namespace gui
