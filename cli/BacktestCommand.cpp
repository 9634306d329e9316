#include "cli/BacktestCommand.h"

#include <algorithm>
#include <ostream>
#include <utility>

#include "cli/FilterCommand.h"
#include "cli/HistoryCommand.h"
#include "cli/SchemeRun.h"
#include "history/HistoryStore.h"
#include "history/ImportReport.h"
#include "history/IssueNumbers.h"
#include "tools/draws/PastDraws.h"

namespace cli {
namespace {

// The draws of a file, newest first as the store gives them; none, and why on
// err, when a line is refused.
std::optional<std::vector<history::Draw>> drawsOfFile(const std::string& file,
                                                      const Console& console) {
    const auto text = console.read(file);
    if (!text) return std::nullopt;
    history::ParsedDraws parsed = history::parseDrawLines(*text);
    if (!parsed.ok()) {
        history::ImportReport refused;
        refused.errors = std::move(parsed.errors);
        console.complain(file + ": " + history::importSummary(refused));
        return std::nullopt;
    }
    history::numberDraws(parsed.draws, "");
    std::stable_sort(parsed.draws.begin(), parsed.draws.end(),
                     [](const history::Draw& a, const history::Draw& b) {
                         return history::isNewerIssue(a.issue, b.issue);
                     });
    return std::move(parsed.draws);
}

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
    return withSchemeWindow(*scheme, [&scheme, &draws, &console, count](auto& form) {
        // The run sets what the result shows (front-3: bets or groups).
        if (!runScheme(form, *scheme, console)) return kFailedRun;
        console.out << engine::backtestText(
            draws::backtestOf(form.lishi.edition(), *draws, count));
        return kDone;
    });
}

}  // namespace cli
