#include "cli/ReduceCommand.h"

#include <ostream>

#include "cli/FilterCommand.h"
#include "cli/SchemeRun.h"
#include "engine/ReportText.h"
#include "reducer/Reducer.h"

namespace cli {
namespace {

// The plays side by side, the cheapest and the best guaranteed prize per 元
// pointed out (every row of a tie).
std::string playTable(const std::vector<reducer::Reduction>& reductions) {
    std::vector<const reducer::Reduction*> all;
    for (const auto& reduction : reductions) all.push_back(&reduction);
    const reducer::PlayMarks marks = reducer::markPlays(all);
    std::vector<std::vector<std::string>> lines = {
        {"玩法", "注数", "成本(元)", "单注奖金", "保底奖金", "最高奖金", "是否已证最少", "备注"}};
    for (std::size_t i = 0; i < reductions.size(); ++i) {
        const auto& reduction = reductions[i];
        std::string note = marks.isCheapest[i] ? reducer::kCheapestMark : "";
        if (marks.paysBest[i])
            note += (note.empty() ? "" : "、") + std::string(reducer::kPaysBestMark);
        const auto& info = reducer::playInfo(reduction.play);
        lines.push_back(
            {std::string(info.name), std::to_string(reduction.count()),
             std::to_string(reduction.cost()), std::to_string(info.prize),
             std::to_string(reduction.leastPrize), std::to_string(reduction.mostPrize),
             reduction.isProven() ? "是" : "下界 " + std::to_string(reduction.lowerBound), note});
    }
    return engine::alignedText(lines, {false, true, true, true, true, true, false, false});
}

}  // namespace

const std::vector<std::string>& ReduceCommand::playNames() {
    static const std::vector<std::string> names = [] {
        std::vector<std::string> all;
        for (const auto& info : reducer::allPlays()) all.emplace_back(info.name);
        return all;
    }();
    return names;
}

int ReduceCommand::run(const Console& console) const {
    if (play.empty() && !isAll) {
        console.complain("reduce: --play or --all is required");
        return kBadInput;
    }
    const auto named = reducer::playNamed(play);
    if (!isAll && !named) {
        console.complain("reduce: no play is called " + play);
        return kBadInput;
    }
    const auto scheme = loadScheme(console, schemeFile);
    if (!scheme) return kBadInput;
    return withSchemeWindow(*scheme, [this, &scheme, &named, &console](auto& form) {
        if (!runScheme(form, *scheme, console)) return kFailedRun;
        // What the 保中缩票 window reads: the result as published, bets or groups.
        const auto& source = form.baozhong.source();
        const auto kind = source.kind();
        const auto survivors = reducer::survivorsOfText(source.resultText(), kind);
        reducer::Options options;
        options.timeLimitSeconds = timeLimitSeconds;
        std::vector<reducer::Play> plays;
        if (named) {
            plays.push_back(*named);
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
        if (!named) {
            console.out << playTable(reductions);
            return kDone;
        }
        // The tickets are copied like the result, so they are spelled like it.
        for (const auto& ticket : reductions.front().tickets)
            console.out << reducer::ticketText(ticket, source.separator()) << "\n";
        console.err << reducer::summaryLine(reductions.front()) << "\n";
        return kDone;
    });
}

}  // namespace cli
