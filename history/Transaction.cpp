#include "history/Transaction.h"

#include "history/Connection.h"

namespace history {

Transaction::Transaction(Connection& connection) : m_connection(connection) {
    m_connection.execute("BEGIN IMMEDIATE");
}

Transaction::~Transaction() {
    if (!m_isDone) m_connection.tryExecute("ROLLBACK");
}

void Transaction::commit() {
    m_connection.execute("COMMIT");
    m_isDone = true;
}

}  // namespace history
