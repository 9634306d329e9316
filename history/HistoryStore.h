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
// caller goes on without history; a file another program holds is only
// busy (Status::isBusy), and the next call tries again. A call that fails
// changes nothing and leaves the store usable. Every change is one
// transaction. No call assumes a user-interface thread. Lottery names are
// taken without blanks at their ends.
class HistoryStore {
public:
    // A history in memory only, gone with the store (for tests).
    static constexpr const char* kInMemory = HistoryFile::kInMemory;
    // How long a call waits for another program's lock on the file.
    static constexpr int kBusyWaitMs = Connection::kBusyTimeoutMs;

    explicit HistoryStore(std::string path, Access access = Access::ReadWrite,
                          int busyWaitMs = kBusyWaitMs);

    // Whether the file is open. It is opened when first needed (here or by
    // any call); a file that could not be used then (held by another program,
    // its folder missing...) is tried again, here and by every call, until it
    // opens. Each try waits for the lock at most `busyWaitMs`.
    bool isOpen() const;
    // Why the file could not be opened, or "".
    const std::string& openError() const;
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
    // lottery is added when it is new. Issues the lottery has with the same
    // numbers are skipped and counted; with other numbers they conflict (and
    // nothing is imported) unless `mode` replaces them, as do two lines of one
    // issue with different numbers. Issues must have the shape of the
    // lottery's (or, for a new one, of the text's first issue; IssueNumbers.h);
    // draws without an issue are numbered on from the newest. importSummary
    // (report) is the line to show.
    ImportReport importText(std::string_view lottery, std::string_view text,
                            ImportMode mode = ImportMode::KeepStored,
                            const ImportProgress& progress = {});
    // The same for draws already read, each with five different numbers
    // 1..11; the messages count them as lines from 1.
    ImportReport addDraws(std::string_view lottery, std::vector<Draw> draws,
                          ImportMode mode = ImportMode::KeepStored,
                          const ImportProgress& progress = {});
    // How many of the issues the lottery had.
    Outcome<int> deleteDraws(std::string_view lottery, const std::vector<std::string>& issues);

private:
    void open() const;
    template <class Result, class Work>
    Result answer(Work&& work) const;
    template <class Result, class Work>
    Result change(Work&& work);
    ImportReport saved(std::string_view lottery, ParsedDraws read, ImportMode mode,
                       const ImportProgress& progress);
    std::optional<int> lotteryId(std::string_view name) const;
    int addedLottery(std::string_view name);
    std::string newestOf(int lotteryId) const;

    std::string m_path;
    Access m_access = Access::ReadWrite;
    int m_busyWaitMs = kBusyWaitMs;
    // Opened again while another program holds the file.
    mutable Connection m_connection;
    mutable std::optional<StoreFault> m_openFault;
    mutable std::string m_openError;
    mutable bool m_isTried = false;
};

}  // namespace history
