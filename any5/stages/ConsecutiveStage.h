#pragma once

#include <cstdint>
#include <string_view>

#include "engine/CandidateTable.h"
#include "engine/FilterStage.h"
#include "toolkit/ButtonArray.h"

namespace any5::stages {

// 杀连码 [01 11算连号]: kills the bets showing a yellow run pattern. Killing a
// shorter run kills the longer ones with it, since they hold it.
class ConsecutiveStage final : public engine::FilterStage<engine::CandidateTable> {
public:
    explicit ConsecutiveStage(const toolkit::ButtonArray& C_sha_xingtai_01)
        : m_buttons(C_sha_xingtai_01) {}

    engine::CandidateTable::RowSet rowsToKill(const engine::CandidateTable& table) const override;

    // The RunPattern bit of a caption: "两连" => kTwoRun; unknown => 0.
    static std::uint8_t patternOf(std::string_view caption);

private:
    const toolkit::ButtonArray& m_buttons;
};

}  // namespace any5::stages
