#include "cli/ReduceCommand.h"

#include <algorithm>
#include <optional>
#include <ostream>
#include <type_traits>

#include "any5/panels/MainForm.h"
#include "any5/panels/SchemeControls.h"
#include "cli/FilterCommand.h"
#include "cli/SchemeRun.h"
#include "engine/ReportText.h"
#include "front3/MainForm.h"
#include "front3/SchemeControls.h"
#include "reducer/Reducer.h"
#include "toolkit/HeadlessHost.h"

namespace cli {
namespace {

constexpr auto kLastPlay = static_cast<int>(reducer::Play::Front3Group);

std::optional<reducer::Play> playNamed(const std::string& name) {
    for (int p = 0; p <= kLastPlay; ++p) {
        const auto play = static_cast<reducer::Play>(p);
        if (reducer::playInfo(play).name == name) return play;
    }
    return std::nullopt;
}

// What the result column shows after the run: a front-3 run through
// 【转为组选】 lists groups, which only group plays and 任选二 can cover.
template <class Form>
reducer::SurvivorKind survivorKindOf(const Form& form) {
    if constexpr (std::is_same_v<Form, front3::MainForm>) {
        return form.lastRunGrouped ? reducer::SurvivorKind::Groups : reducer::SurvivorKind::Front3;
    } else {
        return reducer::SurvivorKind::Any5;
    }
}

// The plays side by side. Two rows are pointed out: the cheapest, and the
// one whose least prize pays back most per 元 spent; every row tying for
// either is marked, since none of them is the better buy.
std::string playTable(const std::vector<reducer::Reduction>& reductions) {
    const auto cheaper = [](const reducer::Reduction& a, const reducer::Reduction& b) {
        return a.cost() < b.cost();
    };
    // leastPrize / cost compared without division, so that ties are exact.
    const auto paysLess = [](const reducer::Reduction& a, const reducer::Reduction& b) {
        return static_cast<long long>(a.leastPrize) * b.cost() <
               static_cast<long long>(b.leastPrize) * a.cost();
    };
    const auto& cheapest = *std::min_element(reductions.begin(), reductions.end(), cheaper);
    const auto& bestPaying = *std::max_element(reductions.begin(), reductions.end(), paysLess);

    std::vector<std::vector<std::string>> lines = {
        {"玩法", "注数", "成本(元)", "单注奖金", "保底奖金", "最高奖金", "是否已证最少", "备注"}};
    for (const auto& reduction : reductions) {
        std::vector<std::string> marks;
        if (!cheaper(cheapest, reduction)) marks.emplace_back("最低成本");
        if (!paysLess(reduction, bestPaying)) marks.emplace_back("保底最划算");
        std::string note;
        for (const auto& mark : marks) note += (note.empty() ? "" : "、") + mark;
        const auto& info = reducer::playInfo(reduction.play);
        lines.push_back(
            {std::string(info.name), std::to_string(reduction.count()),
             std::to_string(reduction.cost()), std::to_string(info.prize),
             std::to_string(reduction.leastPrize), std::to_string(reduction.mostPrize),
             reduction.isProven() ? "是" : "下界 " + std::to_string(reduction.lowerBound), note});
    }
    return engine::alignedText(lines, {false, true, true, true, true, true, false, false});
}

// Without a play, every play open to the survivors, as a table.
template <class Form>
int reduceWith(const scheme::Scheme& scheme, std::optional<reducer::Play> play,
               double timeLimitSeconds, const Console& console) {
    toolkit::HeadlessHost host;
    Form form(host);
    form.load();
    applyScheme(scheme, form);
    if (!runScheme(form, host, scheme, console)) return kFailedRun;
    const auto kind = survivorKindOf(form);
    const auto survivors = reducer::survivorsOfText(form.result.ResultText, kind);
    reducer::Options options;
    options.timeLimitSeconds = timeLimitSeconds;

    std::vector<reducer::Play> plays;
    if (play) {
        plays.push_back(*play);
    } else {
        for (const auto& info : reducer::playsFor(kind)) plays.push_back(info.play);
    }
    std::vector<reducer::Reduction> reductions;
    for (const auto each : plays) {
        auto reduced = reducer::reduce(survivors, each, options);
        if (!reduced.reduction) {
            console.complain(reduced.error);
            return kBadInput;
        }
        reductions.push_back(std::move(*reduced.reduction));
    }

    if (!play) {
        console.out << playTable(reductions);
        return kDone;
    }
    // The tickets are copied like the result, so they are spelled like it.
    for (const auto& ticket : reductions.front().tickets)
        console.out << reducer::ticketText(ticket, form.result.separator()) << "\n";
    console.err << reducer::summaryLine(reductions.front()) << "\n";
    return kDone;
}

}  // namespace

const std::vector<std::string>& ReduceCommand::playNames() {
    static const std::vector<std::string> names = [] {
        std::vector<std::string> all;
        for (int p = 0; p <= kLastPlay; ++p)
            all.emplace_back(reducer::playInfo(static_cast<reducer::Play>(p)).name);
        return all;
    }();
    return names;
}

int ReduceCommand::run(const Console& console) const {
    if (play.empty() && !isAll) {
        console.complain("reduce: --play or --all is required");
        return kBadInput;
    }
    const auto named = playNamed(play);
    if (!isAll && !named) {
        console.complain("reduce: no play is called " + play);
        return kBadInput;
    }
    const auto scheme = loadScheme(console, schemeFile);
    if (!scheme) return kBadInput;
    return scheme->edition == scheme::Edition::Any5
               ? reduceWith<any5::MainForm>(*scheme, named, timeLimitSeconds, console)
               : reduceWith<front3::MainForm>(*scheme, named, timeLimitSeconds, console);
}

}  // namespace cli
