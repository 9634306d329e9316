#include "cli/ReduceCommand.h"

#include <ostream>

#include "cli/FilterCommand.h"
#include "cli/SchemeRun.h"
#include "engine/ReportText.h"
#include "reducer/Reducer.h"
#include "tools/tickets/TicketTable.h"

namespace cli {
namespace {

// The plays side by side, as the 保中缩票 window shows them.
std::string playTable(const std::vector<reducer::Reduction>& reductions) {
    std::vector<tickets::PlayRow> rows;
    for (const auto& reduction : reductions)
        rows.push_back({reducer::playInfo(reduction.play), reduction, "", false, {}});
    const tickets::TicketTable table = tickets::ticketTable(rows);
    using Table = tickets::TicketTable;
    std::vector<std::vector<std::string>> lines = {{Table::kHeader.begin(), Table::kHeader.end()}};
    for (const auto& cells : table.cells) lines.emplace_back(cells.begin(), cells.end());
    std::vector<bool> isNumber;
    for (int column = 0; column < Table::kColumns; ++column)
        isNumber.push_back(Table::isNumber(column));
    return engine::alignedText(lines, isNumber);
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
    return withSchemeWindow(*scheme, past, console, [this, &scheme, &named, &console](auto& form) {
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
