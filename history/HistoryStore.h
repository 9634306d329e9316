#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "history/Draw.h"
#include "history/HistoryFile.h"
#include "history/ImportReport.h"
#include "history/Outcome.h"

namespace history {

// The kept draw history: lotteries under the names the player gives them
// ("广东11选5") and their draws, in one SQLite file (HistoryPath.h says
// where). A file that cannot be used is left as it was, and the store answers
// every call with the one message saying why (StoreFault.h), so that its
// caller goes on without history; a call that fails changes nothing and
// leaves the store usable. Every change is one transaction. Lottery names are
// taken without blanks at their ends.
class HistoryStore {
public:
    // A history in memory only, gone with the store (for tests).
    static constexpr const char* kInMemory = HistoryFile::kInMemory;

    explicit HistoryStore(std::string path, Access access = Access::ReadWrite);

    bool isOpen() const { return m_openError.empty(); }
    // Why the file could not be opened, or "".
    const std::string& openError() const { return m_openError; }
    const std::string& path() const { return m_path; }

    // In the order they were added.
    Outcome<std::vector<std::string>> lotteries() const;
    Status addLottery(std::string_view name);

    // Newest first (IssueNumbers.h); only the newest `last` when given (none
    // for 0 or less).
    Outcome<std::vector<Draw>> draws(std::string_view lottery,
                                     std::optional<int> last = std::nullopt) const;
    // Empty when the lottery has no draw.
    Outcome<std::string> newestIssue(std::string_view lottery) const;

    // Reads the text (DrawLines.h) and adds its draws, all or none; the
    // lottery is added when it is new. Issues the lottery has are skipped and
    // counted; draws without an issue are numbered on from the newest
    // (IssueNumbers.h). importSummary(report) is the line to show.
    ImportReport importText(std::string_view lottery, std::string_view text);
    // The same for draws already read: each has five different numbers 1..11.
    ImportReport addDraws(std::string_view lottery, std::vector<Draw> draws);
    // How many of the issues the lottery had.
    Outcome<int> deleteDraws(std::string_view lottery, const std::vector<std::string>& issues);

private:
    template <class Result, class Work>
    Result answer(Work&& work) const;
    template <class Result, class Work>
    Result change(Work&& work);
    std::optional<int> lotteryId(std::string_view name) const;
    int addedLottery(std::string_view name);
    std::string newestOf(int lotteryId) const;

    std::string m_path;
    Access m_access = Access::ReadWrite;
    Connection m_connection;
    std::string m_openError;
};

}  // namespace history
