#pragma once

#include "engine/CandidateTable.h"
#include "engine/FilterStage.h"
#include "toolkit/ButtonArray.h"

namespace any5::stages {

// 通杀码: kills every bet holding a yellow number.
class KillAllStage final : public engine::FilterStage<engine::CandidateTable> {
public:
    explicit KillAllStage(const toolkit::ButtonArray& C_tsm_sha) : m_buttons(C_tsm_sha) {}

    engine::CandidateTable::RowSet rowsToKill(const engine::CandidateTable& table) const override;

private:
    const toolkit::ButtonArray& m_buttons;
};

}  // namespace any5::stages
