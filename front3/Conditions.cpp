#include "front3/Conditions.h"

#include <algorithm>
#include <array>
#include <functional>
#include <memory>
#include <string>

#include "engine/ConditionText.h"
#include "engine/Selection.h"
#include "engine/TypedBet.h"
#include "front3/MainForm.h"
#include "front3/NumberStages.h"
#include "front3/PairStages.h"
#include "front3/ShapeStages.h"
#include "front3/TextStages.h"
#include "tools/draws/PastConditions.h"

namespace front3 {
namespace {

using engine::countText;
using engine::linesText;
using engine::noButtons;
using engine::selectedText;
using engine::tickedText;
using engine::twoDigits;
using toolkit::palette::kGreen;
using toolkit::palette::kYellow;
using Condition = engine::Pipeline<CandidateTable>::Condition;
using Explain = std::function<std::string(const CandidateTable&, int row)>;
using Bet = std::array<int, 3>;

void add(MainForm& form, Front3Slot slot, Condition condition) {
    form.pipeline.add(slotIndex(slot), std::move(condition));
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

Bet betAt(const CandidateTable& table, int row) {
    return {table.number(row, 1), table.number(row, 2), table.number(row, 3)};
}

// "是第 2 行所填的直选", or `otherwise` when no line was found.
std::string lineOr(int line, const char* before, const char* after, const char* otherwise) {
    return line == 0 ? otherwise : before + std::to_string(line) + after;
}

// What of a bet the yellow run and shape buttons strike: "01 02 03 三连，上山形".
std::string shapesStruck(const ConsecutiveShapeStage& stage, const Bet& bet) {
    std::string text;
    bool runShown = false;
    for (const auto& caption : stage.strikingCaptions(bet)) {
        const bool isRun = caption == "不连" || caption == "2连" || caption == "3连";
        if (isRun && runShown) continue;
        runShown = runShown || isRun;
        if (!text.empty()) text += "，";
        if (!isRun) {
            text += caption;
            continue;
        }
        const auto run = ConsecutiveShapeStage::runOf(bet[0], bet[1], bet[2]);
        text += engine::runsText(run.empty() ? std::vector<std::vector<int>>{}
                                             : std::vector<std::vector<int>>{run});
    }
    return text;
}

// "一位 01、三位 11": the yellow numbers of 前三定位杀 at the bet's positions.
std::string positionsStruck(const toolkit::ButtonArray& positions, const Bet& bet) {
    static const char* const kPlaces[] = {"一位 ", "二位 ", "三位 "};
    std::string text;
    for (std::size_t i = 0; i < positions.size() && i < 33; ++i) {
        const std::size_t place = i / 11;
        if (positions[i].backColour() != kYellow ||
            engine::captionValue(positions[i].caption()) != bet[place])
            continue;
        if (!text.empty()) text += "、";
        text += kPlaces[place] + twoDigits(bet[place]);
    }
    return text;
}

constexpr engine::BetMask kOddNumbers = 0b101'0101'0101;  // 01 03 05 07 09 11

const CheckBoxes& noBoxes() {
    static const CheckBoxes none;
    return none;
}

std::string bigRange(const std::string& text, const std::string& bigNumbers) {
    return text.empty() ? text : text + "（大" + (bigNumbers[1] == '6' ? "6" : "7") + "~11）";
}

void addEntries(MainForm& form) {
    auto& p = form.pages;
    const auto& direct = p.T_main_shazhixuan;
    auto directStage = std::make_unique<DirectKillStage>(direct);
    const DirectKillStage& directJudge = *directStage;
    add(form, Front3Slot::DirectKill,
        {"杀直选号码", std::move(directStage), [&direct] { return linesText(direct); },
         [&direct] { return std::to_string(direct.editCount()); },
         [&directJudge](const CandidateTable& table, int row) {
             return lineOr(directJudge.strikingLine(betAt(table, row)), "是第 ", " 行所填的直选",
                           "是所填的直选");
         }});
    auto compound = std::make_unique<CompoundKillStage>(p.T_main_laji_fushi);
    p.setCompoundStage(compound.get());
    const CompoundKillStage& compoundJudge = *compound;
    const auto& lines = p.T_main_laji_fushi;
    add(form, Front3Slot::CompoundKill,
        {"杀垃圾复式", std::move(compound), [&lines] { return linesText(lines); },
         [&lines] { return std::to_string(lines.editCount()); },
         [&compoundJudge](const CandidateTable& table, int row) {
             return lineOr(compoundJudge.strikingLine(betAt(table, row)), "在第 ", " 行的复式里",
                           "在所填的复式里");
         }});
    const auto& killPairs = p.C_sha2ma;
    add(form, Front3Slot::PairKill,
        buttonCondition<PairKillStage>("杀2码组合", killPairs, kYellow, "杀",
                                       [&killPairs](const CandidateTable& table, int row) {
                                           return "含 " + engine::pairsHeld(killPairs, kYellow,
                                                                            table.mask(row));
                                       }));
    add(form, Front3Slot::PairKeep,
        buttonCondition<PairKeepStage>(
            "必出2码组合", p.C_bichu2ma, kGreen, "出",
            [](const CandidateTable&, int) { return std::string(engine::kNoPairKept); }));
    const auto& paths = p.Check_sha_012;
    add(form, Front3Slot::PathPattern,
        {"杀012路",
         std::make_unique<PathPatternStage>(paths),
         [&paths] { return tickedText(paths, "杀"); },
         {},
         [](const CandidateTable& table, int row) {
             std::string text = "012路 ";
             for (const int n : betAt(table, row)) text += static_cast<char>('0' + n % 3);
             return text;
         }});
}

void addNumbers(MainForm& form) {
    auto& n = form.numbers;
    add(form, Front3Slot::Span,
        buttonCondition<SpanStage>("杀跨度", n.C_kuadu_sha, kYellow, "杀",
                                   [](const CandidateTable& table, int row) {
                                       const Bet bet = betAt(table, row);
                                       const auto [lo, hi] = std::minmax({bet[0], bet[1], bet[2]});
                                       return "跨度 " + std::to_string(hi - lo);
                                   }));
    const auto& killed = n.C_tsm_sha;
    add(form, Front3Slot::KillNumber,
        buttonCondition<KillNumberStage>(
            "通杀码", killed, kYellow, "杀", [&killed](const CandidateTable& table, int row) {
                return "含 " + engine::numbersText(table.mask(row) &
                                                   engine::selectedNumbers(killed, kYellow));
            }));
    for (int g = 1; g <= 3; ++g) {
        BankerGroupStage::Arrays numbers{&noButtons(), &noButtons(), &noButtons()};
        BankerGroupStage::Arrays counts{&noButtons(), &noButtons(), &noButtons()};
        const auto& bankers = n.numbers(g);
        const auto& howMany = n.counts(g);
        numbers[0] = &bankers;
        counts[0] = &howMany;
        add(form, Front3Slot::BankerGroup,
            {"胆码" + std::to_string(g),
             std::make_unique<BankerGroupStage>(numbers, counts),
             [&bankers, &howMany] { return engine::bankerText(bankers, howMany); },
             {},
             [&bankers](const CandidateTable& table, int row) {
                 return engine::bankersHeld(bankers, table.mask(row));
             }});
    }
    const auto& positions = n.C_dingwei_sha;
    add(form, Front3Slot::PositionalKill,
        {"前三定位杀",
         std::make_unique<PositionalKillStage>(positions),
         [&positions] {
             static const char* const kPlaces[] = {"一位杀", "二位杀", "三位杀"};
             std::string text;
             for (std::size_t place = 0; place < 3; ++place) {
                 std::string numbers;
                 for (std::size_t i = place * 11; i < place * 11 + 11 && i < positions.size();
                      ++i) {
                     if (positions[i].backColour() == kYellow)
                         numbers += ' ' + positions[i].caption();
                 }
                 if (numbers.empty()) continue;
                 if (!text.empty()) text += ' ';
                 text += kPlaces[place] + numbers;
             }
             return text;
         },
         {},
         [&positions](const CandidateTable& table, int row) {
             return positionsStruck(positions, betAt(table, row));
         }});
}

void addShapes(MainForm& form) {
    auto& s = form.shapes;
    const auto& big = s.BigNumberList;
    add(form, Front3Slot::Sum,
        buttonCondition<SumStage>("杀和值", s.C_hezhi, kYellow, "杀",
                                  [](const CandidateTable& table, int row) {
                                      const Bet bet = betAt(table, row);
                                      return "和值 " + std::to_string(bet[0] + bet[1] + bet[2]);
                                  }));
    add(form, Front3Slot::Count,
        {"奇号个数",
         std::make_unique<CountStage>(s.C_jishu_geshu, noButtons(), big),
         [&s] { return selectedText(s.C_jishu_geshu, kGreen, "出"); },
         {},
         [](const CandidateTable& table, int row) {
             return countText("奇号", engine::countNumbers(table.mask(row) & kOddNumbers));
         }});
    add(form, Front3Slot::Count,
        {"大号个数",
         std::make_unique<CountStage>(noButtons(), s.C_dahao_geshu, big),
         [&s] { return bigRange(selectedText(s.C_dahao_geshu, kGreen, "出"), s.BigNumberList); },
         {},
         [&big](const CandidateTable& table, int row) {
             return countText("大号",
                              engine::countNumbers(table.mask(row) & engine::numbersInList(big)));
         }});
    auto runs = std::make_unique<ConsecutiveShapeStage>(s.C_sha_xingtai_01);
    const ConsecutiveShapeStage& runJudge = *runs;
    const auto& runButtons = s.C_sha_xingtai_01;
    add(form, Front3Slot::ConsecutiveShape,
        {"杀杀杀(11 01算连码)",
         std::move(runs),
         [&runButtons] { return selectedText(runButtons, kYellow, "杀"); },
         {},
         [&runJudge](const CandidateTable& table, int row) {
             return shapesStruck(runJudge, betAt(table, row));
         }});
    // Each family of 杀形态 is told by the bet's pattern of that family.
    const auto addPattern = [&form](const char* name, std::size_t family,
                                    std::unique_ptr<PatternStage> stage,
                                    std::function<std::string()> describe) {
        const PatternStage& judge = *stage;
        add(form, Front3Slot::Pattern,
            {name,
             std::move(stage),
             std::move(describe),
             {},
             [&judge, family](const CandidateTable& table, int row) {
                 return "形态 " + judge.patternsOf(betAt(table, row))[family];
             }});
    };
    addPattern("杀形态（大小）", 0,
               std::make_unique<PatternStage>(s.Check_sha_daxiao, noBoxes(), noBoxes(), big),
               [&s] { return bigRange(tickedText(s.Check_sha_daxiao, "杀"), s.BigNumberList); });
    addPattern("杀形态（奇偶）", 1,
               std::make_unique<PatternStage>(noBoxes(), s.Check_sha_jiou, noBoxes(), big),
               [&s] { return tickedText(s.Check_sha_jiou, "杀"); });
    addPattern("杀形态（质合）", 2,
               std::make_unique<PatternStage>(noBoxes(), noBoxes(), s.Check_sha_zhihe, big),
               [&s] { return tickedText(s.Check_sha_zhihe, "杀"); });
}

}  // namespace

void installConditions(MainForm& form) {
    addEntries(form);
    addNumbers(form);
    addShapes(form);
    draws::addPastConditions(form.pipeline, slotIndex(Front3Slot::PastCount), form.past);
}

}  // namespace front3
