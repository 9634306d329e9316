#include "front3/Conditions.h"

#include <memory>

#include "engine/ConditionText.h"
#include "front3/MainForm.h"
#include "front3/NumberStages.h"
#include "front3/PairStages.h"
#include "front3/ShapeStages.h"
#include "front3/TextStages.h"

namespace front3 {
namespace {

using engine::linesText;
using engine::noButtons;
using engine::selectedText;
using engine::tickedText;
using toolkit::palette::kGreen;
using toolkit::palette::kYellow;
using Condition = engine::Pipeline<CandidateTable>::Condition;

void add(MainForm& form, Front3Slot slot, Condition condition) {
    form.pipeline.add(slotIndex(slot), std::move(condition));
}

template <class Stage>
Condition buttonCondition(const char* name, const toolkit::ButtonArray& buttons,
                          toolkit::Rgb colour, const char* verb) {
    return {name, std::make_unique<Stage>(buttons),
            [&buttons, colour, verb] { return selectedText(buttons, colour, verb); }};
}

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
    add(form, Front3Slot::DirectKill,
        {"杀直选号码", std::make_unique<DirectKillStage>(direct),
         [&direct] { return linesText(direct); },
         [&direct] { return std::to_string(direct.editCount()); }});
    auto compound = std::make_unique<CompoundKillStage>(p.T_main_laji_fushi);
    p.setCompoundStage(compound.get());
    const auto& lines = p.T_main_laji_fushi;
    add(form, Front3Slot::CompoundKill,
        {"杀垃圾复式", std::move(compound), [&lines] { return linesText(lines); },
         [&lines] { return std::to_string(lines.editCount()); }});
    add(form, Front3Slot::PairKill,
        buttonCondition<PairKillStage>("杀2码组合", p.C_sha2ma, kYellow, "杀"));
    add(form, Front3Slot::PairKeep,
        buttonCondition<PairKeepStage>("必出2码组合", p.C_bichu2ma, kGreen, "出"));
    const auto& paths = p.Check_sha_012;
    add(form, Front3Slot::PathPattern,
        {"杀012路", std::make_unique<PathPatternStage>(paths),
         [&paths] { return tickedText(paths, "杀"); }});
}

void addNumbers(MainForm& form) {
    auto& n = form.numbers;
    add(form, Front3Slot::Span, buttonCondition<SpanStage>("杀跨度", n.C_kuadu_sha, kYellow, "杀"));
    add(form, Front3Slot::KillNumber,
        buttonCondition<KillNumberStage>("通杀码", n.C_tsm_sha, kYellow, "杀"));
    for (int g = 1; g <= 3; ++g) {
        BankerGroupStage::Arrays numbers{&noButtons(), &noButtons(), &noButtons()};
        BankerGroupStage::Arrays counts{&noButtons(), &noButtons(), &noButtons()};
        const auto& bankers = n.numbers(g);
        const auto& howMany = n.counts(g);
        numbers[0] = &bankers;
        counts[0] = &howMany;
        add(form, Front3Slot::BankerGroup,
            {"胆码" + std::to_string(g), std::make_unique<BankerGroupStage>(numbers, counts),
             [&bankers, &howMany] { return engine::bankerText(bankers, howMany); }});
    }
    const auto& positions = n.C_dingwei_sha;
    add(form, Front3Slot::PositionalKill,
        {"前三定位杀", std::make_unique<PositionalKillStage>(positions), [&positions] {
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
         }});
}

void addShapes(MainForm& form) {
    auto& s = form.shapes;
    const auto& big = s.BigNumberList;
    add(form, Front3Slot::Sum, buttonCondition<SumStage>("杀和值", s.C_hezhi, kYellow, "杀"));
    add(form, Front3Slot::Count,
        {"奇号个数", std::make_unique<CountStage>(s.C_jishu_geshu, noButtons(), big),
         [&s] { return selectedText(s.C_jishu_geshu, kGreen, "出"); }});
    add(form, Front3Slot::Count,
        {"大号个数", std::make_unique<CountStage>(noButtons(), s.C_dahao_geshu, big),
         [&s] { return bigRange(selectedText(s.C_dahao_geshu, kGreen, "出"), s.BigNumberList); }});
    add(form, Front3Slot::ConsecutiveShape,
        buttonCondition<ConsecutiveShapeStage>("杀杀杀(11 01算连码)", s.C_sha_xingtai_01, kYellow,
                                               "杀"));
    add(form, Front3Slot::Pattern,
        {"杀形态（大小）",
         std::make_unique<PatternStage>(s.Check_sha_daxiao, noBoxes(), noBoxes(), big),
         [&s] { return bigRange(tickedText(s.Check_sha_daxiao, "杀"), s.BigNumberList); }});
    add(form, Front3Slot::Pattern,
        {"杀形态（奇偶）",
         std::make_unique<PatternStage>(noBoxes(), s.Check_sha_jiou, noBoxes(), big),
         [&s] { return tickedText(s.Check_sha_jiou, "杀"); }});
    add(form, Front3Slot::Pattern,
        {"杀形态（质合）",
         std::make_unique<PatternStage>(noBoxes(), noBoxes(), s.Check_sha_zhihe, big),
         [&s] { return tickedText(s.Check_sha_zhihe, "杀"); }});
}

}  // namespace

void installConditions(MainForm& form) {
    addEntries(form);
    addNumbers(form);
    addShapes(form);
}

}  // namespace front3
