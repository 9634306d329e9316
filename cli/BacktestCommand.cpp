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
        if (draws && command.last && *command.last > 0 &&
            draws->size() > static_cast<std::size_t>(*command.last))
            draws->resize(static_cast<std::size_t>(*command.last));
        return draws;
    }
    // The call says why when the file cannot be used (after one wait when busy).
    const history::HistoryStore store(historyFileFor(command.db), history::Access::ReadOnly);
    const int last = command.last.value_or(BacktestCommand::kDefaultLast);
    auto stored = store.draws(command.lottery, last > 0 ? std::optional<int>(last) : std::nullopt);
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
    return withSchemeWindow(*scheme, [&scheme, &draws, &console](auto& form) {
        // The run sets what the result shows (front-3: bets or groups).
        if (!runScheme(form, *scheme, console)) return kFailedRun;
        console.out << engine::backtestText(draws::backtestOf(form.lishi.edition(), *draws));
        return kDone;
    });
}

}  // namespace cli
