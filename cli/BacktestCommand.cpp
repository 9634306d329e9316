#include "cli/BacktestCommand.h"

#include <algorithm>
#include <ostream>
#include <utility>

#include "cli/FilterCommand.h"
#include "cli/HistoryCommand.h"
#include "cli/PastSource.h"
#include "cli/SchemeRun.h"
#include "history/HistoryStore.h"
#include "history/ImportReport.h"
#include "history/IssueNumbers.h"
#include "tools/draws/PastDraws.h"

namespace cli {
namespace {

std::optional<std::vector<history::Draw>> drawsOf(const BacktestCommand& command,
                                                  const Console& console) {
    std::optional<std::vector<history::Draw>> draws;
    if (!command.drawFile.empty()) {
        draws = drawsOfFile(command.drawFile, console);
        return draws;
    }
    // The call says why when the file cannot be used (after one wait when busy).
    // Every stored draw is read: the older ones are the references of the
    // conditions read against past draws.
    const history::HistoryStore store(historyFileFor(command.db), history::Access::ReadOnly);
    auto stored = store.draws(command.lottery);
    if (!stored.ok()) {
        console.complain(stored.errorText);
        return std::nullopt;
    }
    return std::move(stored.value);
}

}  // namespace

int BacktestCommand::run(const Console& console) const {
    if (lottery.empty() && drawFile.empty()) {
        console.complain("backtest: --lottery or --draws is required");
        return kBadInput;
    }
    const auto scheme = loadScheme(console, schemeFile);
    if (!scheme) return kBadInput;
    const auto draws = drawsOf(*this, console);
    if (!draws) return kBadInput;
    // From a file, every draw unless --last says; from the history, the
    // newest 100 unless it says.
    const int count = drawFile.empty() ? last.value_or(kDefaultLast) : last.value_or(0);
    const std::string& source = drawFile.empty() ? lottery : drawFile;
    return withSchemeWindow(*scheme, [&scheme, &draws, &console, count, &source](auto& form) {
        // The next draw's reference is every draw given; each past draw's is
        // the draws before it. The run sets what the result shows (front-3:
        // bets or groups).
        form.past.setStored(source, *draws);
        if (!runScheme(form, *scheme, console)) return kFailedRun;
        console.out << engine::backtestText(draws::backtestOf(form.lishi.edition(), *draws, count));
        return kDone;
    });
}

}  // namespace cli
