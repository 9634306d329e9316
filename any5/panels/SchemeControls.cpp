#include "any5/panels/SchemeControls.h"

#include "any5/panels/MainForm.h"
#include "engine/Selection.h"
#include "scheme/ControlState.h"
#include "tools/draws/PastScheme.h"

namespace any5 {
namespace {

using toolkit::palette::kGreen;
using toolkit::palette::kYellow;

// The list "奇奇奇奇奇*偶偶偶偶偶*" holds the ticked arrangements.
scheme::Captions parityOf(const std::string& list) {
    scheme::Captions captions;
    std::size_t start = 0;
    while (start < list.size()) {
        const std::size_t end = std::min(list.find('*', start), list.size());
        if (end > start) captions.insert(list.substr(start, end - start));
        start = end + 1;
    }
    return captions;
}

// In the picker's box order, as the picker itself writes the list.
std::string parityList(const scheme::Captions& captions) {
    std::string list;
    for (const auto& caption : engine::parityCaptions()) {
        if (captions.count(caption) != 0) list += caption + "*";
    }
    return list;
}

}  // namespace

scheme::Scheme captureScheme(const MainForm& form) {
    using namespace scheme;
    const auto& entries = form.entries;
    const auto& shapes = form.shapes;
    Scheme s;
    s.edition = Edition::Any5;
    s.comma = form.result.Check_out_douhao.isTicked();
    s.bigFrom = form.counts.Op_dahao_fanwei.chosen() == 1 ? 6 : 7;
    s.killPairs = pairsOn(form.pairs.C_sha2ma, kYellow);
    s.keepPairs = pairsOn(form.pairs.C_chu2ma, kGreen);
    s.killNumbers = valuesOn(shapes.C_tsm_sha, kYellow);
    s.killSpans = valuesOn(shapes.C_kuadu_sha, kYellow);
    s.killSums = valuesOn(shapes.C_sha_hezhi, kYellow);
    s.oddCounts = valuesOn(form.counts.C_jishu_geshu, kGreen);
    s.bigCounts = valuesOn(form.counts.C_dahao_geshu, kGreen);
    for (int g = 1; g <= BankerPanel::kGroups; ++g) {
        s.bankers.push_back(
            {valuesOn(form.bankers.numbers(g), kGreen), valuesOn(form.bankers.counts(g), kGreen)});
    }
    while (!s.bankers.empty() && s.bankers.back() == BankerGroup{}) s.bankers.pop_back();
    s.killCompound = changedText(entries.T_main_shazhixuan, GroupEntryPanels::kCompoundHint);
    s.killPositional = changedText(entries.T_ding_shadingwei, "");
    s.killTriples = changedText(entries.T_main_sha_3ma, GroupEntryPanels::kTripleHint);
    s.keepTriples = changedText(entries.T_main_bichu_3ma, GroupEntryPanels::kTripleHint);
    s.killQuads = changedText(entries.T_main_sha4ma, GroupEntryPanels::kQuadHint,
                              GroupEntryPanels::kQuadHintCopy);
    s.basePool = changedText(entries.T_sha_dadi, GroupEntryPanels::kBasePoolHint);
    s.basePoolEnabled = entries.Check_sha_dd.isTicked();
    s.killSumTails = valuesOn(shapes.C_zuobian_sha_heiwei, kYellow);
    s.smallest = valuesOn(form.minMax.C_min, kGreen);
    s.largest = valuesOn(form.minMax.C_max, kGreen);
    s.killSpacing = valuesOn(shapes.C_jiange, kYellow);
    s.primeCounts = valuesOn(form.counts.C_zhihe_geshu, kGreen);
    s.killRuns = captionsOn(shapes.C_sha_xingtai_01, kYellow);
    s.killParity = parityOf(form.ParityPatternList);
    draws::capturePast(form.past, s);
    s.acValues = valuesOn(form.acRoads.C_aczhi, kGreen);
    for (int k = 0; k < 3; ++k)
        s.roadCounts[static_cast<std::size_t>(k)] = valuesOn(form.acRoads.road(k), kGreen);
    s.tolerance = form.tongji.tolerance();
    return s;
}

void applyScheme(const scheme::Scheme& s, MainForm& form) {
    using namespace scheme;
    auto& entries = form.entries;
    auto& shapes = form.shapes;
    form.result.Check_out_douhao.setTicked(s.comma);
    form.counts.Op_dahao_fanwei.choose(s.bigFrom == 6 ? 1 : 0);
    setPairsOn(form.pairs.C_sha2ma, kYellow, s.killPairs);
    setPairsOn(form.pairs.C_chu2ma, kGreen, s.keepPairs);
    setValuesOn(shapes.C_tsm_sha, kYellow, s.killNumbers);
    setValuesOn(shapes.C_kuadu_sha, kYellow, s.killSpans);
    setValuesOn(shapes.C_sha_hezhi, kYellow, s.killSums);
    setValuesOn(form.counts.C_jishu_geshu, kGreen, s.oddCounts);
    setValuesOn(form.counts.C_dahao_geshu, kGreen, s.bigCounts);
    for (int g = 1; g <= BankerPanel::kGroups; ++g) {
        const auto k = static_cast<std::size_t>(g - 1);
        const BankerGroup group = k < s.bankers.size() ? s.bankers[k] : BankerGroup{};
        setValuesOn(form.bankers.numbers(g), kGreen, group.numbers);
        setValuesOn(form.bankers.counts(g), kGreen, group.counts);
    }
    setText(entries.T_main_shazhixuan, s.killCompound, GroupEntryPanels::kCompoundHint);
    setText(entries.T_ding_shadingwei, s.killPositional, "");
    setText(entries.T_main_sha_3ma, s.killTriples, GroupEntryPanels::kTripleHint);
    setText(entries.T_main_bichu_3ma, s.keepTriples, GroupEntryPanels::kTripleHint);
    setText(entries.T_main_sha4ma, s.killQuads, GroupEntryPanels::kQuadHint);
    setText(entries.T_sha_dadi, s.basePool, GroupEntryPanels::kBasePoolHint);
    entries.Check_sha_dd.setTicked(s.basePoolEnabled);
    setValuesOn(shapes.C_zuobian_sha_heiwei, kYellow, s.killSumTails);
    setValuesOn(form.minMax.C_min, kGreen, s.smallest);
    setValuesOn(form.minMax.C_max, kGreen, s.largest);
    setValuesOn(shapes.C_jiange, kYellow, s.killSpacing);
    setValuesOn(form.counts.C_zhihe_geshu, kGreen, s.primeCounts);
    setCaptionsOn(shapes.C_sha_xingtai_01, kYellow, s.killRuns);
    form.ParityPatternList = parityList(s.killParity);
    form.picker.restoreTicks();
    draws::applyPast(s, form.past);
    setValuesOn(form.acRoads.C_aczhi, kGreen, s.acValues);
    for (int k = 0; k < 3; ++k)
        setValuesOn(form.acRoads.road(k), kGreen, s.roadCounts[static_cast<std::size_t>(k)]);
    report::setTolerance(form.tongji, form.result, s.tolerance);
}

}  // namespace any5
