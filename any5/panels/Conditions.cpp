#include "any5/panels/Conditions.h"

#include <memory>

#include "any5/panels/MainForm.h"
#include "any5/stages/BankerGroupStage.h"
#include "any5/stages/BasePoolStage.h"
#include "any5/stages/ConsecutiveStage.h"
#include "any5/stages/CountStage.h"
#include "any5/stages/GroupTextStage.h"
#include "any5/stages/KillAllStage.h"
#include "any5/stages/MinMaxStage.h"
#include "any5/stages/PairStage.h"
#include "any5/stages/ParityPatternStage.h"
#include "any5/stages/PositionalKillStage.h"
#include "any5/stages/SpacingStage.h"
#include "any5/stages/ValueKillStage.h"
#include "engine/ConditionText.h"

namespace any5 {
namespace {

using engine::Any5Slot;
using engine::linesText;
using engine::noButtons;
using engine::selectedText;
using toolkit::palette::kGreen;
using toolkit::palette::kYellow;
using Condition = engine::Pipeline<engine::CandidateTable>::Condition;

void add(MainForm& form, Any5Slot slot, Condition condition) {
    form.pipeline.add(engine::slotIndex(slot), std::move(condition));
}

template <class Stage>
Condition textCondition(const char* name, const toolkit::TextBox& box) {
    return {name, std::make_unique<Stage>(box), [&box] { return linesText(box); },
            [&box] { return std::to_string(box.editCount()); }};
}

template <class Stage>
Condition buttonCondition(const char* name, const toolkit::ButtonArray& buttons,
                          toolkit::Rgb colour, const char* verb) {
    return {name, std::make_unique<Stage>(buttons),
            [&buttons, colour, verb] { return selectedText(buttons, colour, verb); }};
}

void addBankerGroups(MainForm& form) {
    for (int g = 1; g <= BankerPanel::kGroups; ++g) {
        stages::BankerGroupStage::Arrays numbers{};
        stages::BankerGroupStage::Arrays counts{};
        numbers.fill(&noButtons());
        counts.fill(&noButtons());
        const auto& bankers = form.bankers.numbers(g);
        const auto& howMany = form.bankers.counts(g);
        numbers[0] = &bankers;
        counts[0] = &howMany;
        add(form, Any5Slot::BankerGroup,
            {"胆码" + std::to_string(g),
             std::make_unique<stages::BankerGroupStage>(numbers, counts),
             [&bankers, &howMany] { return engine::bankerText(bankers, howMany); }});
    }
}

void addCounts(MainForm& form) {
    auto& c = form.counts;
    const auto& none = noButtons();
    add(form, Any5Slot::Count,
        {"大号个数",
         std::make_unique<stages::CountStage>(none, c.C_dahao_geshu, none, c.BigNumberList), [&c] {
             const std::string text = selectedText(c.C_dahao_geshu, kGreen, "出");
             return text.empty()
                        ? text
                        : text + "（大" + (c.BigNumberList[1] == '6' ? "6" : "7") + "~11）";
         }});
    add(form, Any5Slot::Count,
        {"奇号个数",
         std::make_unique<stages::CountStage>(c.C_jishu_geshu, none, none, c.BigNumberList),
         [&c] { return selectedText(c.C_jishu_geshu, kGreen, "出"); }});
    add(form, Any5Slot::Count,
        {"质号个数",
         std::make_unique<stages::CountStage>(none, none, c.C_zhihe_geshu, c.BigNumberList),
         [&c] { return selectedText(c.C_zhihe_geshu, kGreen, "出"); }});
}

void addEntries(MainForm& form) {
    auto& e = form.entries;
    add(form, Any5Slot::CompoundKill,
        textCondition<stages::CompoundKillStage>("杀直选复式/组选", e.T_main_shazhixuan));
    add(form, Any5Slot::PositionalKill,
        textCondition<stages::PositionalKillStage>("定位杀号", e.T_ding_shadingwei));
    add(form, Any5Slot::TripleKill,
        textCondition<stages::TripleKillStage>("杀3码组合", e.T_main_sha_3ma));
    add(form, Any5Slot::TripleKeep,
        textCondition<stages::TripleKeepStage>("必出3码组合", e.T_main_bichu_3ma));
    add(form, Any5Slot::QuadKill,
        textCondition<stages::QuadKillStage>("杀4码组合", e.T_main_sha4ma));
    add(form, Any5Slot::BasePool,
        {"大底号码", std::make_unique<stages::BasePoolStage>(e.Check_sha_dd, e.T_sha_dadi),
         [&e] { return e.Check_sha_dd.isTicked() ? linesText(e.T_sha_dadi) : std::string(); },
         [&e] {
             return std::to_string(e.T_sha_dadi.editCount()) +
                    (e.Check_sha_dd.isTicked() ? "+" : "-");
         }});
}

void addShapes(MainForm& form) {
    auto& s = form.shapes;
    add(form, Any5Slot::SumTail,
        buttonCondition<stages::SumTailStage>("杀和尾", s.C_zuobian_sha_heiwei, kYellow, "杀"));
    add(form, Any5Slot::Sum,
        buttonCondition<stages::SumStage>("杀和值", s.C_sha_hezhi, kYellow, "杀"));
    add(form, Any5Slot::Span,
        buttonCondition<stages::SpanStage>("杀跨度", s.C_kuadu_sha, kYellow, "杀"));
    const auto& min = form.minMax.C_min;
    const auto& max = form.minMax.C_max;
    add(form, Any5Slot::MinMax,
        {"最小号码", std::make_unique<stages::MinMaxStage>(min, noButtons()),
         [&min] { return selectedText(min, kGreen, "出"); }});
    add(form, Any5Slot::MinMax,
        {"最大号码", std::make_unique<stages::MinMaxStage>(noButtons(), max),
         [&max] { return selectedText(max, kGreen, "出"); }});
    add(form, Any5Slot::Spacing,
        buttonCondition<stages::SpacingStage>("间距模式过滤", s.C_jiange, kYellow, "杀"));
    add(form, Any5Slot::KillAll,
        buttonCondition<stages::KillAllStage>("通杀码", s.C_tsm_sha, kYellow, "杀"));
    add(form, Any5Slot::Consecutive,
        buttonCondition<stages::ConsecutiveStage>("杀连码", s.C_sha_xingtai_01, kYellow, "杀"));
}

}  // namespace

void installConditions(MainForm& form) {
    addEntries(form);
    add(form, Any5Slot::PairKill,
        buttonCondition<stages::PairKillStage>("杀2码组合", form.pairs.C_sha2ma, kYellow, "杀"));
    add(form, Any5Slot::PairKeep,
        buttonCondition<stages::PairKeepStage>("必出2码组合", form.pairs.C_chu2ma, kGreen, "出"));
    addShapes(form);
    addBankerGroups(form);
    addCounts(form);
    const std::string& parity = form.ParityPatternList;
    add(form, Any5Slot::ParityPattern,
        {"杀奇偶排列", std::make_unique<stages::ParityPatternStage>(parity), [&parity] {
             std::string text = parity;
             for (auto& c : text) c = c == '*' ? ' ' : c;
             while (!text.empty() && text.back() == ' ') text.pop_back();
             return text.empty() ? text : "杀 " + text;
         }});
}

}  // namespace any5
