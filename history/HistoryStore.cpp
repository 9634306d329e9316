#include "history/HistoryStore.h"

#include <algorithm>
#include <array>
#include <unordered_map>
#include <utility>

#include "history/DrawLines.h"
#include "history/IssueNumbers.h"
#include "history/Statement.h"
#include "history/Transaction.h"

namespace history {

namespace {

constexpr const char* kNewestFirst =
    " ORDER BY length(CAST(issue AS BLOB)) DESC, issue DESC LIMIT ?2";

std::string_view trimmed(std::string_view name) {
    constexpr std::string_view blanks = " \t\r\n";
    const auto first = name.find_first_not_of(blanks);
    if (first == std::string_view::npos) return {};
    return name.substr(first, name.find_last_not_of(blanks) + 1 - first);
}

template <class Result>
Result refusal(std::string text, bool isBusy = false) {
    Result result{};
    result.errorText = std::move(text);
    result.isBusy = isBusy;
    return result;
}

template <class Result>
Result refusal(StoreFault fault, const std::string& path) {
    return refusal<Result>(faultMessage(fault, path), fault == StoreFault::Locked);
}

std::string lineText(int line) {
    return "第 " + std::to_string(line) + " 行：";
}

// The first draw whose issue has not the shape of the stored ones, or of the
// first one given when none is stored, as a message; "" when all fit.
std::string misshapenIssue(const std::vector<Draw>& draws, const std::vector<bool>& wasGiven,
                           const std::vector<int>& lines, std::string example) {
    for (std::size_t i = 0; example.empty() && i < draws.size(); ++i) {
        if (wasGiven[i]) example = draws[i].issue;
    }
    for (std::size_t i = 0; i < draws.size(); ++i) {
        if (example.empty() || fitsIssueShape(draws[i].issue, example)) continue;
        return lineText(lines[i]) + (wasGiven[i] ? "期号 " : "没有期号，下一期 ") + draws[i].issue +
               " 与已有期号的格式不同（如 " + example + "）";
    }
    return {};
}

constexpr std::size_t kProgressStep = 1000;

std::string unknownLottery(std::string_view name) {
    return "没有这个彩种：" + std::string(trimmed(name));
}

}  // namespace

HistoryStore::HistoryStore(std::string path, Access access, int busyWaitMs)
    : m_path(std::move(path)), m_access(access), m_busyWaitMs(busyWaitMs) {}

void HistoryStore::open() const {
    HistoryFile file = HistoryFile::open(m_path, m_access, m_busyWaitMs);
    m_connection = std::move(file.connection);
    m_openFault = file.fault;
    m_openError = file.fault ? faultMessage(*file.fault, m_path) : std::string();
    m_isTried = true;
}

bool HistoryStore::isOpen() const {
    if (!m_isTried || m_openFault) open();
    return !m_openFault;
}

const std::string& HistoryStore::openError() const {
    if (!m_isTried) open();
    return m_openError;
}

// Runs `work` when the store is open, turning an SQLite failure into the
// store's message; any transaction `work` began is rolled back by then. A
// read that meets a crashed writer's journal opens the file again, which
// rolls it back, and reads once more.
template <class Result, class Work>
Result HistoryStore::answer(Work&& work) const {
    for (bool isFirst = true;; isFirst = false) {
        if (!isOpen()) return refusal<Result>(*m_openFault, m_path);
        try {
            return work();
        } catch (const SqliteError& error) {
            if (!isFirst || !HistoryFile::isInterruptedWrite(error.code)) {
                return refusal<Result>(faultOfSqliteCode(error.code), m_path);
            }
        }
        m_isTried = false;  // the next isOpen() opens it again
    }
}

template <class Result, class Work>
Result HistoryStore::change(Work&& work) {
    // Inside answer(), so that a file that cannot be opened is tried once.
    return answer<Result>([this, &work]() -> Result {
        if (m_access == Access::ReadOnly) return refusal<Result>(StoreFault::ReadOnly, m_path);
        return work();
    });
}

std::optional<int> HistoryStore::lotteryId(std::string_view name) const {
    Statement find(m_connection, "SELECT id FROM lottery WHERE name = ?1");
    if (!find.bind(1, trimmed(name)).step()) return std::nullopt;
    return find.intAt(0);
}

int HistoryStore::addedLottery(std::string_view name) {
    Statement(m_connection, "INSERT INTO lottery (name) VALUES (?1)").bind(1, trimmed(name)).run();
    return *lotteryId(name);
}

std::string HistoryStore::newestOf(int lotteryId) const {
    Statement newest(m_connection,
                     std::string("SELECT issue FROM draw WHERE lottery = ?1") + kNewestFirst);
    return newest.bind(1, lotteryId).bind(2, 1).step() ? newest.textAt(0) : std::string();
}

Outcome<std::vector<std::string>> HistoryStore::lotteries() const {
    return answer<Outcome<std::vector<std::string>>>([this] {
        Outcome<std::vector<std::string>> names;
        Statement all(m_connection, "SELECT name FROM lottery ORDER BY id");
        while (all.step()) names.value.push_back(all.textAt(0));
        return names;
    });
}

Status HistoryStore::addLottery(std::string_view name) {
    return change<Status>([this, name] {
        if (trimmed(name).empty()) return refusal<Status>("彩种名称不能为空");
        Transaction transaction(m_connection);
        if (lotteryId(name)) {
            return refusal<Status>("彩种已经存在：" + std::string(trimmed(name)));
        }
        addedLottery(name);
        transaction.commit();
        return Status{};
    });
}

Outcome<std::vector<Draw>> HistoryStore::draws(std::string_view lottery,
                                               std::optional<int> last) const {
    using Result = Outcome<std::vector<Draw>>;
    return answer<Result>([this, lottery, last] {
        const auto id = lotteryId(lottery);
        if (!id) return refusal<Result>(unknownLottery(lottery));
        Statement select(m_connection, std::string("SELECT issue, n1, n2, n3, n4, n5 FROM draw"
                                                   " WHERE lottery = ?1") +
                                           kNewestFirst);
        // SQLite reads a negative LIMIT as no limit.
        select.bind(1, *id).bind(2, last ? std::max(*last, 0) : -1);
        Result result;
        while (select.step()) {
            Draw& draw = result.value.emplace_back(Draw{select.textAt(0), {}});
            for (int k = 0; k < kBallCount; ++k) draw.numbers[k] = select.intAt(k + 1);
        }
        return result;
    });
}

Outcome<std::string> HistoryStore::newestIssue(std::string_view lottery) const {
    return answer<Outcome<std::string>>([this, lottery] {
        const auto id = lotteryId(lottery);
        if (!id) return refusal<Outcome<std::string>>(unknownLottery(lottery));
        return Outcome<std::string>{{}, newestOf(*id)};
    });
}

ImportReport HistoryStore::importText(std::string_view lottery, std::string_view text,
                                      ImportMode mode, const ImportProgress& progress) {
    ParsedDraws parsed = parseDrawLines(text);
    if (!parsed.ok()) {
        ImportReport report;
        report.errors = std::move(parsed.errors);
        return report;
    }
    return saved(lottery, std::move(parsed), mode, progress);
}

ImportReport HistoryStore::addDraws(std::string_view lottery, std::vector<Draw> draws,
                                    ImportMode mode, const ImportProgress& progress) {
    ParsedDraws read;
    read.draws = std::move(draws);
    for (std::size_t i = 0; i < read.draws.size(); ++i) {
        read.lines.push_back(static_cast<int>(i) + 1);
    }
    return saved(lottery, std::move(read), mode, progress);
}

ImportReport HistoryStore::saved(std::string_view lottery, ParsedDraws read, ImportMode mode,
                                 const ImportProgress& progress) {
    return change<ImportReport>([this, lottery, &read, mode, &progress] {
        if (trimmed(lottery).empty()) return refusal<ImportReport>("彩种名称不能为空");
        std::vector<Draw>& draws = read.draws;
        Transaction transaction(m_connection);
        const auto known = lotteryId(lottery);
        const int id = known ? *known : addedLottery(lottery);
        const std::string newest = newestOf(id);
        std::vector<bool> wasGiven;
        for (const Draw& draw : draws) wasGiven.push_back(!draw.issue.empty());
        numberDraws(draws, newest);
        std::string misshapen = misshapenIssue(draws, wasGiven, read.lines, newest);
        if (!misshapen.empty()) return refusal<ImportReport>(std::move(misshapen));

        // A bad draw fails the CHECK and so the import.
        Statement insert(m_connection,
                         "INSERT INTO draw VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7)"
                         " ON CONFLICT (lottery, issue) DO NOTHING");
        Statement stored(m_connection,
                         "SELECT n1, n2, n3, n4, n5 FROM draw WHERE lottery = ?1 AND issue = ?2");
        Statement replace(m_connection,
                          "UPDATE draw SET n1 = ?3, n2 = ?4, n3 = ?5, n4 = ?6, n5 = ?7"
                          " WHERE lottery = ?1 AND issue = ?2");
        const auto bindDraw = [id](Statement& statement, const Draw& draw) -> Statement& {
            statement.bind(1, id).bind(2, draw.issue);
            for (int k = 0; k < kBallCount; ++k) statement.bind(k + 3, draw.numbers[k]);
            return statement;
        };
        std::unordered_map<std::string_view, std::size_t> firstOfIssue;
        ImportReport report;
        for (std::size_t i = 0; i < draws.size(); ++i) {
            if (progress && i > 0 && i % kProgressStep == 0) progress(i, draws.size());
            const Draw& draw = draws[i];
            const auto [first, isNew] = firstOfIssue.try_emplace(draw.issue, i);
            if (!isNew) {
                const Draw& earlier = draws[first->second];
                if (earlier.numbers == draw.numbers) {
                    ++report.skipped;
                } else {
                    report.conflicts.push_back(lineText(read.lines[i]) + draw.issue + " 期在第 " +
                                               std::to_string(read.lines[first->second]) +
                                               " 行是 " + drawText(earlier.numbers) +
                                               "，与本行不同");
                }
                continue;
            }
            bindDraw(insert, draw).run();
            if (m_connection.changes() > 0) {
                ++report.imported;
                continue;
            }
            stored.bind(1, id).bind(2, draw.issue).step();
            std::array<int, kBallCount> numbers{};
            for (int k = 0; k < kBallCount; ++k) numbers[k] = stored.intAt(k);
            stored.run();
            if (numbers == draw.numbers) {
                ++report.skipped;
            } else if (mode == ImportMode::ReplaceStored) {
                bindDraw(replace, draw).run();
                ++report.replaced;
            } else {
                report.conflicts.push_back(lineText(read.lines[i]) + draw.issue + " 期已有 " +
                                           drawText(numbers) + "，与本行不同");
            }
        }
        if (progress) progress(draws.size(), draws.size());
        if (!report.conflicts.empty()) {
            ImportReport refused;
            refused.conflicts = std::move(report.conflicts);
            return refused;
        }
        transaction.commit();
        return report;
    });
}

Outcome<int> HistoryStore::deleteDraws(std::string_view lottery,
                                       const std::vector<std::string>& issues) {
    return change<Outcome<int>>([this, lottery, &issues] {
        Transaction transaction(m_connection);
        const auto id = lotteryId(lottery);
        if (!id) return refusal<Outcome<int>>(unknownLottery(lottery));
        Statement remove(m_connection, "DELETE FROM draw WHERE lottery = ?1 AND issue = ?2");
        Outcome<int> removed;
        for (const std::string& issue : issues) {
            remove.bind(1, *id).bind(2, issue).run();
            removed.value += m_connection.changes();
        }
        transaction.commit();
        return removed;
    });
}

}  // namespace history
