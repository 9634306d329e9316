#include "engine/ScratchTable.h"

namespace engine {

const CandidateTable& ScratchTable::regenerate(const std::function<void()>& yieldPerRow) {
    auto fresh = std::make_unique<CandidateTable>();
    fresh->generate(yieldPerRow);
    m_table = std::move(fresh);
    return *m_table;
}

}  // namespace engine
