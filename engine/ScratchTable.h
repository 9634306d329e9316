#pragma once

#include <memory>

#include "engine/CandidateTable.h"

namespace engine {

// A second any-5 table, used only to test whether a smallest/largest number
// choice still leaves a bet. It is never filtered nor published, so a check
// never disturbs the last run's table.
class ScratchTable {
public:
    // Re-creates the table from nothing and fills it like the candidate table.
    const CandidateTable& regenerate(const std::function<void()>& yieldPerRow = {});
    bool exists() const { return m_table != nullptr; }

private:
    std::unique_ptr<CandidateTable> m_table;
};

}  // namespace engine
