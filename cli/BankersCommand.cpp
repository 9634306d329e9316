#include "cli/BankersCommand.h"

#include <array>
#include <ostream>

#include "any5/assistant/ColdBankers.h"

namespace cli {

int BankersCommand::run(const Console& console) const {
    const auto text = console.read(historyFile);
    if (!text) return kBadInput;
    const auto lines = linesOf(*text);
    std::array<std::string, 5> history;
    for (std::size_t i = 0; i < history.size() && i < lines.size(); ++i) history[i] = lines[i];
    const auto result = any5::assistant::deriveColdBankers(history);
    if (!result.ok()) {
        // The assistant's own words, as its window shows them.
        console.err << result.errorText << "\n";
        return kFailedRun;
    }
    console.out << result.bankers << "\n";
    return kDone;
}

}  // namespace cli
