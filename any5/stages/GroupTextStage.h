#pragma once

#include "engine/BetMask.h"
#include "engine/CandidateTable.h"
#include "engine/FilterStage.h"
#include "toolkit/TextBox.h"

namespace any5::stages {

// The stages that compare a bet with each typed line of a number-group box by
// how many of its numbers the line holds. A box that is empty or still shows
// its hint (a full-width colon anywhere) is skipped.
class GroupTextStage : public engine::FilterStage<engine::CandidateTable> {
public:
    enum class Rule {
        KillAllFive,     // a line holds all five numbers of the bet
        KillExactThree,  // a line holds exactly three of them
        KeepExactThree,  // the bet survives only if some line holds exactly three
        KillFourOrMore,  // a line holds four or five of them
    };

    GroupTextStage(const toolkit::TextBox& box, Rule rule) : m_box(box), m_rule(rule) {}

    engine::CandidateTable::RowSet rowsToKill(const engine::CandidateTable& table) const override;

    // The first line that strikes a bet, numbered from 1 as the box shows
    // it, and the numbers of the bet it holds; line 0 when none does, as for
    // a keep rule, which strikes a bet for the lines it has not.
    struct LineHit {
        int line = 0;
        engine::BetMask held = 0;
    };
    LineHit strikingLine(engine::BetMask bet) const;

private:
    const toolkit::TextBox& m_box;
    Rule m_rule;
};

// 杀垃圾复式/组选 (T_main_shazhixuan): kills every five-number subset of a line.
class CompoundKillStage final : public GroupTextStage {
public:
    explicit CompoundKillStage(const toolkit::TextBox& T_main_shazhixuan)
        : GroupTextStage(T_main_shazhixuan, Rule::KillAllFive) {}
};

// 杀3码组合 (T_main_sha_3ma).
class TripleKillStage final : public GroupTextStage {
public:
    explicit TripleKillStage(const toolkit::TextBox& T_main_sha_3ma)
        : GroupTextStage(T_main_sha_3ma, Rule::KillExactThree) {}
};

// 必出3码组合 (T_main_bichu_3ma).
class TripleKeepStage final : public GroupTextStage {
public:
    explicit TripleKeepStage(const toolkit::TextBox& T_main_bichu_3ma)
        : GroupTextStage(T_main_bichu_3ma, Rule::KeepExactThree) {}
};

// 杀4码组合 (T_main_sha4ma): kills every bet holding any four numbers of a line.
class QuadKillStage final : public GroupTextStage {
public:
    explicit QuadKillStage(const toolkit::TextBox& T_main_sha4ma)
        : GroupTextStage(T_main_sha4ma, Rule::KillFourOrMore) {}
};

}  // namespace any5::stages
