#pragma once

namespace history {

class Connection;

// Every change to the store runs in one: BEGIN IMMEDIATE when made (so that
// another writer is noticed before anything is done), ROLLBACK when destroyed
// unless committed.
class Transaction {
public:
    explicit Transaction(Connection& connection);
    ~Transaction();
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;

    void commit();

private:
    Connection& m_connection;
    bool m_isDone = false;
};

}  // namespace history
