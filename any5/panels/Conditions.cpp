#include "any5/panels/Conditions.h"

#include <functional>
#include <memory>
#include <string>

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
#include "engine/CountStages.h"
#include "engine/PastRelative.h"
#include "engine/Selection.h"
#include "engine/TypedBet.h"
#include "tools/draws/PastConditions.h"

namespace any5 {
namespace {

using engine::Any5Slot;
using engine::BetMask;
using engine::CandidateTable;
using engine::countText;
using engine::linesText;
using engine::noButtons;
using engine::numbersText;
using engine::selectedText;
using engine::twoDigits;
using stages::betShape;
using toolkit::palette::kGreen;
using toolkit::palette::kYellow;
using Condition = engine::Pipeline<CandidateTable>::Condition;
using Explain = std::function<std::string(const CandidateTable&, int row)>;

void add(MainForm& form, Any5Slot slot, Condition condition) {
    form.pipeline.add(engine::slotIndex(slot), std::move(condition));
}

// A text box's condition, explained by its stage from the bet's numbers.
template <class Stage, class Reason>
Condition textCondition(const char* name, const toolkit::TextBox& box, Reason reason) {
    auto stage = std::make_unique<Stage>(box);
    const Stage& judge = *stage;
    return {name, std::move(stage), [&box] { return linesText(box); },
            [&box] { return std::to_string(box.editCount()); },
            [&judge, reason](const CandidateTable& table, int row) {
                return reason(judge, table.mask(row));
            }};
}

template <class Stage>
Condition buttonCondition(const char* name, const toolkit::ButtonArray& buttons,
                          toolkit::Rgb colour, const char* verb, Explain explain) {
    return {name,
            std::make_unique<Stage>(buttons),
            [&buttons, colour, verb] { return selectedText(buttons, colour, verb); },
            {},
            std::move(explain)};
}

// ("含第 ", "的 01 03 05") for line 2 => "含第 2 行的 01 03 05"; `otherwise`
// when no line struck the bet.
std::string lineOr(int line, const char* before, const std::string& after, const char* otherwise) {
    if (line == 0) return otherwise;
    return before + std::to_string(line) + " 行" + after;
}

std::string heldByLine(const stages::GroupTextStage& stage, BetMask bet, const char* otherwise) {
    const auto hit = stage.strikingLine(bet);
    return lineOr(hit.line, "含第 ", "的 " + numbersText(hit.held), otherwise);
}

// "前 2 个间距 1、3": the bet's gaps that match the yellow pattern, from its
// smallest number on.
std::string spacingOf(const toolkit::ButtonArray& buttons, BetMask bet) {
    const int matched = engine::countNumbers(engine::selectedNumbers(buttons, kYellow)) - 1;
    const auto& gaps = betShape(bet).gaps;
    std::string text = matched >= 4 ? "间距 " : "前 " + std::to_string(matched) + " 个间距 ";
    for (int k = 0; k < matched && k < 4; ++k)
        text += (k == 0 ? "" : "、") + std::to_string(gaps[static_cast<std::size_t>(k)]);
    return text;
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
             [&bankers, &howMany] { return engine::bankerText(bankers, howMany); },
             {},
             [&bankers](const CandidateTable& table, int row) {
                 return engine::bankersHeld(bankers, table.mask(row));
             }});
    }
}

void addCounts(MainForm& form) {
    auto& c = form.counts;
    const auto& none = noButtons();
    add(form, Any5Slot::Count,
        {"大号个数",
         std::make_unique<stages::CountStage>(none, c.C_dahao_geshu, none, c.BigNumberList),
         [&c] {
             const std::string text = selectedText(c.C_dahao_geshu, kGreen, "出");
             return text.empty()
                        ? text
                        : text + "（大" + (c.BigNumberList[1] == '6' ? "6" : "7") + "~11）";
         },
         {},
         [&c](const CandidateTable& table, int row) {
             const BetMask big = table.mask(row) & engine::numbersInList(c.BigNumberList);
             return countText("大号", engine::countNumbers(big));
         }});
    add(form, Any5Slot::Count,
        {"奇号个数",
         std::make_unique<stages::CountStage>(c.C_jishu_geshu, none, none, c.BigNumberList),
         [&c] { return selectedText(c.C_jishu_geshu, kGreen, "出"); },
         {},
         [](const CandidateTable& table, int row) {
             return countText("奇号", betShape(table.mask(row)).oddCount);
         }});
    add(form, Any5Slot::Count,
        {"质号个数",
         std::make_unique<stages::CountStage>(none, none, c.C_zhihe_geshu, c.BigNumberList),
         [&c] { return selectedText(c.C_zhihe_geshu, kGreen, "出"); },
         {},
         [](const CandidateTable& table, int row) {
             return countText("质号", betShape(table.mask(row)).primeCount);
         }});
}

void addEntries(MainForm& form) {
    auto& e = form.entries;
    add(form, Any5Slot::CompoundKill,
        textCondition<stages::CompoundKillStage>(
            "杀直选复式/组选", e.T_main_shazhixuan, [](const auto& stage, BetMask bet) {
                return lineOr(stage.strikingLine(bet).line, "在第 ", "的号码里", "在所填的号码里");
            }));
    add(form, Any5Slot::PositionalKill,
        textCondition<stages::PositionalKillStage>(
            "定位杀号", e.T_ding_shadingwei, [](const auto& stage, BetMask bet) {
                const auto hit = stage.strikingLine(bet);
                return lineOr(hit.line, "符合第 ", " " + hit.fields, "符合所填的定位");
            }));
    add(form, Any5Slot::TripleKill,
        textCondition<stages::TripleKillStage>("杀3码组合", e.T_main_sha_3ma,
                                               [](const auto& stage, BetMask bet) {
                                                   return heldByLine(stage, bet, "含所填的 3 码");
                                               }));
    add(form, Any5Slot::TripleKeep,
        textCondition<stages::TripleKeepStage>(
            "必出3码组合", e.T_main_bichu_3ma,
            [](const auto&, BetMask) { return std::string("没有一行恰好含它的 3 个号码"); }));
    add(form, Any5Slot::QuadKill,
        textCondition<stages::QuadKillStage>("杀4码组合", e.T_main_sha4ma,
                                             [](const auto& stage, BetMask bet) {
                                                 return heldByLine(stage, bet, "含所填的 4 码");
                                             }));
    add(form, Any5Slot::BasePool,
        {"大底号码", std::make_unique<stages::BasePoolStage>(e.Check_sha_dd, e.T_sha_dadi),
         [&e] { return e.Check_sha_dd.isTicked() ? linesText(e.T_sha_dadi) : std::string(); },
         [&e] {
             return std::to_string(e.T_sha_dadi.editCount()) +
                    (e.Check_sha_dd.isTicked() ? "+" : "-");
         },
         [](const CandidateTable&, int) { return std::string("不在大底里"); }});
}

void addShapes(MainForm& form) {
    auto& s = form.shapes;
    add(form, Any5Slot::SumTail,
        buttonCondition<stages::SumTailStage>("杀和尾", s.C_zuobian_sha_heiwei, kYellow, "杀",
                                              [](const CandidateTable& table, int row) {
                                                  const int sum = betShape(table.mask(row)).sum;
                                                  return "和尾 " + std::to_string(sum % 10) +
                                                         "（和值 " + std::to_string(sum) + "）";
                                              }));
    add(form, Any5Slot::Sum,
        buttonCondition<stages::SumStage>(
            "杀和值", s.C_sha_hezhi, kYellow, "杀", [](const CandidateTable& table, int row) {
                return "和值 " + std::to_string(betShape(table.mask(row)).sum);
            }));
    add(form, Any5Slot::Span,
        buttonCondition<stages::SpanStage>(
            "杀跨度", s.C_kuadu_sha, kYellow, "杀", [](const CandidateTable& table, int row) {
                return "跨度 " + std::to_string(betShape(table.mask(row)).span);
            }));
    const auto& min = form.minMax.C_min;
    const auto& max = form.minMax.C_max;
    add(form, Any5Slot::MinMax,
        {"最小号码",
         std::make_unique<stages::MinMaxStage>(min, noButtons()),
         [&min] { return selectedText(min, kGreen, "出"); },
         {},
         [](const CandidateTable& table, int row) {
             return "最小号码 " + twoDigits(betShape(table.mask(row)).smallest);
         }});
    add(form, Any5Slot::MinMax,
        {"最大号码",
         std::make_unique<stages::MinMaxStage>(noButtons(), max),
         [&max] { return selectedText(max, kGreen, "出"); },
         {},
         [](const CandidateTable& table, int row) {
             return "最大号码 " + twoDigits(betShape(table.mask(row)).largest);
         }});
    const auto& spacing = s.C_jiange;
    add(form, Any5Slot::Spacing,
        buttonCondition<stages::SpacingStage>("间距模式过滤", spacing, kYellow, "杀",
                                              [&spacing](const CandidateTable& table, int row) {
                                                  return spacingOf(spacing, table.mask(row));
                                              }));
    const auto& killAll = s.C_tsm_sha;
    add(form, Any5Slot::KillAll,
        buttonCondition<stages::KillAllStage>(
            "通杀码", killAll, kYellow, "杀", [&killAll](const CandidateTable& table, int row) {
                return "含 " +
                       numbersText(table.mask(row) & engine::selectedNumbers(killAll, kYellow));
            }));
    add(form, Any5Slot::Consecutive,
        buttonCondition<stages::ConsecutiveStage>(
            "杀连码", s.C_sha_xingtai_01, kYellow, "杀", [](const CandidateTable& table, int row) {
                return engine::runsText(stages::longestRuns(table.mask(row)));
            }));
}

// A 012路 count row: how many of the bet's numbers are of the road.
Condition roadCount(const char* name, const toolkit::ButtonArray& counts, const char* kind,
                    int road) {
    const BetMask mask = engine::kRoadMasks[road];
    return {name,
            std::make_unique<engine::CountInMaskStage<CandidateTable>>(
                counts, [mask] { return std::optional<BetMask>(mask); }),
            [&counts] { return selectedText(counts, kGreen, "出"); },
            {},
            [kind, road](const CandidateTable& table, int row) {
                return countText(kind, engine::roadCount(table.mask(row), road));
            }};
}

void addAcRoads(MainForm& form) {
    auto& a = form.acRoads;
    add(form, Any5Slot::AcRoad,
        {"AC值",
         std::make_unique<engine::MeasureStage<CandidateTable>>(a.C_aczhi, engine::acValue),
         [&a] { return selectedText(a.C_aczhi, kGreen, "出"); },
         {},
         [](const CandidateTable& table, int row) {
             return "AC值 " + std::to_string(engine::acValue(table.mask(row)));
         }});
    add(form, Any5Slot::AcRoad, roadCount("0路个数", a.C_lu0, "0路", 0));
    add(form, Any5Slot::AcRoad, roadCount("1路个数", a.C_lu1, "1路", 1));
    add(form, Any5Slot::AcRoad, roadCount("2路个数", a.C_lu2, "2路", 2));
}

}  // namespace

void installConditions(MainForm& form) {
    addEntries(form);
    const auto& killPairs = form.pairs.C_sha2ma;
    add(form, Any5Slot::PairKill,
        buttonCondition<stages::PairKillStage>(
            "杀2码组合", killPairs, kYellow, "杀",
            [&killPairs](const CandidateTable& table, int row) {
                return "含 " + engine::pairsHeld(killPairs, kYellow, table.mask(row));
            }));
    add(form, Any5Slot::PairKeep,
        buttonCondition<stages::PairKeepStage>(
            "必出2码组合", form.pairs.C_chu2ma, kGreen, "出",
            [](const CandidateTable&, int) { return std::string(engine::kNoPairKept); }));
    addShapes(form);
    addBankerGroups(form);
    addCounts(form);
    const std::string& parity = form.ParityPatternList;
    add(form, Any5Slot::ParityPattern,
        {"杀奇偶排列",
         std::make_unique<stages::ParityPatternStage>(parity),
         [&parity] {
             std::string text = parity;
             for (auto& c : text) c = c == '*' ? ' ' : c;
             while (!text.empty() && text.back() == ' ') text.pop_back();
             return text.empty() ? text : "杀 " + text;
         },
         {},
         [](const CandidateTable& table, int row) {
             return "奇偶排列 " +
                    stages::ParityPatternStage::arrangementOf(stages::numbersOf(table.mask(row)));
         }});
    draws::addPastConditions(form.pipeline, engine::slotIndex(Any5Slot::PastCount), form.past);
    addAcRoads(form);
}

}  // namespace any5
