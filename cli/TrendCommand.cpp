#include "cli/TrendCommand.h"

#include <ostream>

#include "cli/HistoryCommand.h"
#include "history/HistoryStore.h"
#include "tools/trend/Chart.h"

namespace cli {

int TrendCommand::run(const Console& console) const {
    // The call says why when the file cannot be used (after one wait when busy).
    const history::HistoryStore store(historyFileFor(db), history::Access::ReadOnly);
    const auto stored = store.draws(lottery);
    if (!stored.ok()) {
        console.complain(stored.errorText);
        return kBadInput;
    }
    const trend::Chart chart =
        trend::chartOf(edition == "front3" ? trend::Edition::Front3 : trend::Edition::Any5, bigFrom,
                       stored.value, last);
    console.out << (isCsv ? trend::chartCsv(chart) : trend::statsText(chart));
    return kDone;
}

}  // namespace cli
