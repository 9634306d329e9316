#include "front3/SchemeControls.h"

#include "front3/MainForm.h"
#include "scheme/ControlState.h"
#include "tools/draws/PastScheme.h"

namespace front3 {
namespace {

using toolkit::palette::kGreen;
using toolkit::palette::kYellow;

// Rows of C_dingwei_sha: first, second and third position.
constexpr std::size_t kRowFirst[] = {0, 11, 22};

}  // namespace

scheme::Scheme captureScheme(const MainForm& form) {
    using namespace scheme;
    const auto& pages = form.pages;
    const auto& numbers = form.numbers;
    const auto& shapes = form.shapes;
    Scheme s;
    s.edition = Edition::Front3;
    s.comma = form.result.Check_out_douhao.isTicked();
    s.bigFrom = shapes.Op_dahao_fanwei.chosen() == 1 ? 6 : 7;
    s.killPairs = pairsOn(pages.C_sha2ma, kYellow);
    s.keepPairs = pairsOn(pages.C_bichu2ma, kGreen);
    s.killNumbers = valuesOn(numbers.C_tsm_sha, kYellow);
    s.killSpans = valuesOn(numbers.C_kuadu_sha, kYellow);
    s.killSums = valuesOn(shapes.C_hezhi, kYellow);
    s.oddCounts = valuesOn(shapes.C_jishu_geshu, kGreen);
    s.bigCounts = valuesOn(shapes.C_dahao_geshu, kGreen);
    for (int g = 1; g <= 3; ++g)
        s.bankers.push_back(
            {valuesOn(numbers.numbers(g), kGreen), valuesOn(numbers.counts(g), kGreen)});
    while (!s.bankers.empty() && s.bankers.back() == BankerGroup{}) s.bankers.pop_back();
    s.killDirect = changedText(pages.T_main_shazhixuan, EntryPages::kDirectHint);
    s.killCompound = changedText(pages.T_main_laji_fushi, "");
    s.killPaths = tickedCaptions(pages.Check_sha_012);
    for (std::size_t row = 0; row < 3; ++row) {
        s.killPositions[row] =
            valuesOn(numbers.C_dingwei_sha, kYellow, kRowFirst[row], kRowFirst[row] + 10);
    }
    s.killShapes = captionsOn(shapes.C_sha_xingtai_01, kYellow);
    for (const auto* family :
         {&shapes.Check_sha_daxiao, &shapes.Check_sha_jiou, &shapes.Check_sha_zhihe}) {
        const Captions ticked = tickedCaptions(*family);
        s.killPatterns.insert(ticked.begin(), ticked.end());
    }
    s.group = form.lastRunGrouped;
    draws::capturePast(form.past, s);
    s.tolerance = form.tongji.tolerance();
    return s;
}

void applyScheme(const scheme::Scheme& s, MainForm& form) {
    using namespace scheme;
    auto& pages = form.pages;
    auto& numbers = form.numbers;
    auto& shapes = form.shapes;
    form.result.Check_out_douhao.setTicked(s.comma);
    shapes.Op_dahao_fanwei.choose(s.bigFrom == 6 ? 1 : 0);
    setPairsOn(pages.C_sha2ma, kYellow, s.killPairs);
    setPairsOn(pages.C_bichu2ma, kGreen, s.keepPairs);
    setValuesOn(numbers.C_tsm_sha, kYellow, s.killNumbers);
    setValuesOn(numbers.C_kuadu_sha, kYellow, s.killSpans);
    setValuesOn(shapes.C_hezhi, kYellow, s.killSums);
    setValuesOn(shapes.C_jishu_geshu, kGreen, s.oddCounts);
    setValuesOn(shapes.C_dahao_geshu, kGreen, s.bigCounts);
    for (int g = 1; g <= 3; ++g) {
        const auto k = static_cast<std::size_t>(g - 1);
        const BankerGroup group = k < s.bankers.size() ? s.bankers[k] : BankerGroup{};
        setValuesOn(numbers.numbers(g), kGreen, group.numbers);
        setValuesOn(numbers.counts(g), kGreen, group.counts);
    }
    setText(pages.T_main_shazhixuan, s.killDirect, EntryPages::kDirectHint);
    setText(pages.T_main_laji_fushi, s.killCompound, "");
    setTicked(pages.Check_sha_012, s.killPaths);
    for (std::size_t row = 0; row < 3; ++row) {
        setValuesOn(numbers.C_dingwei_sha, kYellow, s.killPositions[row], kRowFirst[row],
                    kRowFirst[row] + 10);
    }
    setCaptionsOn(shapes.C_sha_xingtai_01, kYellow, s.killShapes);
    for (auto* family : {&shapes.Check_sha_daxiao, &shapes.Check_sha_jiou, &shapes.Check_sha_zhihe})
        setTicked(*family, s.killPatterns);
    form.lastRunGrouped = s.group;
    draws::applyPast(s, form.past);
    report::setTolerance(form.tongji, form.result, s.tolerance);
}

}  // namespace front3
