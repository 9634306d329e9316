#pragma once

namespace engine {

// One condition of a run. A stage reads its controls when asked, so a change
// made while the table was being generated is seen by the same run, and
// answers for the whole table at once which rows break the condition. It never
// changes a control, shows no message and never yields.
template <class Table>
class FilterStage {
public:
    virtual ~FilterStage() = default;
    // Rows that break the condition. Rows already killed may be in it or not:
    // stages only ever kill, so the published result is the same.
    virtual typename Table::RowSet rowsToKill(const Table& table) const = 0;
};

}  // namespace engine
