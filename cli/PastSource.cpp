#include "cli/PastSource.h"

#include <algorithm>

#include "cli/HistoryCommand.h"
#include "history/DrawLines.h"
#include "history/HistoryStore.h"
#include "history/ImportReport.h"
#include "history/IssueNumbers.h"
#include "tools/draws/PastPanel.h"
#include "tools/draws/PastScheme.h"

namespace cli {

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

namespace {

bool readStored(draws::PastPanel& panel, const PastSource& source, const Console& console) {
    if (!source.drawFile.empty()) {
        auto drawn = drawsOfFile(source.drawFile, console);
        if (!drawn) return false;
        panel.setStored(source.drawFile, *drawn);
        return true;
    }
    // The call says why when the file cannot be used (after one wait when busy).
    const history::HistoryStore store(historyFileFor(source.db), history::Access::ReadOnly);
    auto stored = store.draws(source.lottery);
    if (!stored.ok()) {
        console.complain(stored.errorText);
        return false;
    }
    panel.setStored(source.lottery, stored.value);
    return true;
}

}  // namespace

bool readPastSource(draws::PastPanel& panel, const PastSource& source, const Console& console) {
    if (!source.lottery.empty() || !source.drawFile.empty()) {
        if (!readStored(panel, source, console)) return false;
    }
    if (!source.previous.empty()) {
        panel.T_shangqi.setText(source.previous);
        if (panel.L_shangqi.caption().starts_with("上期号码不对")) {
            console.complain("--previous: " + panel.L_shangqi.caption());
            return false;
        }
    }
    for (const auto row : draws::PastPanel::kRows) {
        if (panel.row(row).countWithColour(toolkit::palette::kGreen) == 0) continue;
        const std::string missing = panel.missing(row);
        if (missing.empty()) continue;
        const bool readsClasses = row >= draws::PastPanel::Row::Hot;
        console.complain(
            std::string("方案设了 \"") + draws::pastKey(row) + "\"（" +
            draws::PastPanel::rowName(row) + "），不能应用，" + missing + "；请用 " +
            (readsClasses
                 ? "--lottery NAME 或 --draws FILE 给出开奖历史"
                 : "--lottery NAME、--draws FILE 或 --previous \"03 07 01 11 05\" 给出上期"));
        return false;
    }
    return true;
}

}  // namespace cli
