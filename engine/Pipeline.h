#pragma once

#include <cstddef>
#include <memory>
#include <stdexcept>
#include <utility>
#include <vector>

#include "engine/FilterStage.h"

namespace engine {

// The stages of an edition in their fixed order. Each slot holds at most one
// stage; an empty slot is skipped. Stages are installed by slot, so the order
// of a run never depends on the order in which the window was put together.
template <class Table>
class Pipeline {
public:
    using Stage = FilterStage<Table>;

    explicit Pipeline(std::size_t slotCount) : m_slots(slotCount) {}

    std::size_t slotCount() const { return m_slots.size(); }
    void install(std::size_t slot, std::unique_ptr<Stage> stage) {
        if (slot >= m_slots.size()) throw std::out_of_range("pipeline slot");
        m_slots[slot] = std::move(stage);
    }

    // Applies every stage in slot order to a freshly generated table.
    void apply(Table& table) const {
        for (const auto& stage : m_slots) {
            if (!stage) continue;
            const auto rows = stage->rowsToKill(table);
            if (rows.any()) table.killRows(rows);
        }
    }

private:
    std::vector<std::unique_ptr<Stage>> m_slots;
};

}  // namespace engine
