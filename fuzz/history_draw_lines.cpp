#include <cstddef>
#include <cstdint>
#include <string>

#include "fuzz/FuzzChecks.h"
#include "history/DrawLines.h"
#include "history/HistoryStore.h"

namespace {

int lineCount(const std::string& text) {
    int lines = 1;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\n' || (text[i] == '\r' && (i + 1 == text.size() || text[i + 1] != '\n'))) {
            ++lines;
        }
    }
    return lines;
}

}  // namespace

// The input as a text of draws, pasted or read from a file. Every draw read
// has five different numbers 1..11 and an issue without line breaks or
// separators at its ends; every refused line lies within the text, in order;
// a refused or clashing text gives no draw, and a store given it imports
// nothing, not even the lottery.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text = fuzz::textOf(data, size);
    const history::ParsedDraws parsed = history::parseDrawLines(text);
    for (const history::Draw& draw : parsed.draws) {
        fuzz::check(history::hasValidNumbers(draw));
        fuzz::check(draw.issue.find_first_of("\r\n") == std::string::npos);
        fuzz::check(draw.issue.empty() ||
                    history::parseDrawLine(draw.issue + ",01,02,03,04,05").draw.issue ==
                        draw.issue);
    }
    int previous = 0;
    for (const history::LineError& error : parsed.errors) {
        fuzz::check(error.line > previous && error.line <= lineCount(text));
        previous = error.line;
    }
    fuzz::check(parsed.ok() || parsed.draws.empty());

    history::HistoryStore store(history::HistoryStore::kInMemory);
    const history::ImportReport report = store.importText("广东11选5", text);
    fuzz::check(report.errors == parsed.errors);
    const auto stored = store.draws("广东11选5");
    // Lines that read well may still clash (an issue twice with other
    // numbers, issues of different shapes): then nothing is imported either.
    if (!parsed.ok() || !report.ok()) {
        fuzz::check(report.imported == 0 && !stored.ok());
        return 0;
    }
    fuzz::check(stored.value.size() == static_cast<std::size_t>(report.imported));
    fuzz::check(report.imported + report.skipped == static_cast<int>(parsed.draws.size()));
    return 0;
}
