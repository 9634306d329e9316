#pragma once

#include <functional>
#include <utility>

#include "engine/CandidateTable.h"
#include "engine/FilterStage.h"

namespace testsupport {

// A stage whose rule is a lambda over one bet's mask: true kills the row.
class StageFromFunction final : public engine::FilterStage<engine::CandidateTable> {
public:
    using Rule = std::function<bool(const engine::CandidateTable&, int row)>;
    explicit StageFromFunction(Rule rule) : m_rule(std::move(rule)) {}

    engine::CandidateTable::RowSet rowsToKill(const engine::CandidateTable& table) const override {
        engine::CandidateTable::RowSet rows;
        for (int row = 1; row <= engine::CandidateTable::kRowCount; ++row) {
            if (m_rule(table, row)) rows.set(row);
        }
        return rows;
    }

private:
    Rule m_rule;
};

// Splits a published text at CR LF, for comparing with expected lines.
inline std::vector<std::string> splitCrLf(const std::string& text) {
    std::vector<std::string> lines;
    if (text.empty()) return lines;
    std::size_t start = 0;
    for (;;) {
        const auto end = text.find("\r\n", start);
        lines.push_back(text.substr(start, end - start));
        if (end == std::string::npos) return lines;
        start = end + 2;
    }
}

}  // namespace testsupport
