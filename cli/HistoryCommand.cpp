#include "cli/HistoryCommand.h"

#include <cstdlib>
#include <optional>
#include <ostream>

#include "history/DrawCsv.h"
#include "history/HistoryPath.h"
#include "history/HistoryStore.h"
#include "history/ImportReport.h"

namespace cli {
namespace {

int importDraws(const HistoryCommand& command, const Console& console) {
    const auto text = console.read(command.drawFile);
    if (!text) return kBadInput;
    // The call says why when the file cannot be used (after one wait when busy).
    history::HistoryStore store(historyFileFor(command.db));
    const history::ImportReport report = store.importText(
        command.lottery, *text,
        command.isReplace ? history::ImportMode::ReplaceStored : history::ImportMode::KeepStored);
    if (!report.ok()) {
        console.complain(history::importSummary(report));
        return kBadInput;
    }
    console.out << history::importSummary(report) << "\n";
    return kDone;
}

int listDraws(const HistoryCommand& command, const Console& console) {
    const history::HistoryStore store(historyFileFor(command.db), history::Access::ReadOnly);
    const auto draws = store.draws(
        command.lottery, command.last > 0 ? std::optional<int>(command.last) : std::nullopt);
    if (!draws.ok()) {
        console.complain(draws.errorText);
        return kBadInput;
    }
    if (command.action == HistoryCommand::Action::Export) {
        console.out << history::drawsToCsv(draws.value);
        return kDone;
    }
    for (const auto& draw : draws.value) {
        console.out << draw.issue << ' ' << history::drawText(draw.numbers) << "\n";
    }
    return kDone;
}

}  // namespace

std::string historyFileFor(const std::string& db) {
    return history::historyPathFromEnvironment(db);
}

int HistoryCommand::run(const Console& console) const {
    return action == Action::Import ? importDraws(*this, console) : listDraws(*this, console);
}

}  // namespace cli
