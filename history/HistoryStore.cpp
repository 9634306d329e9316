#include "history/HistoryStore.h"

#include <algorithm>
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
Result refusal(std::string text) {
    Result result{};
    result.errorText = std::move(text);
    return result;
}

std::string unknownLottery(std::string_view name) {
    return "没有这个彩种：" + std::string(trimmed(name));
}

}  // namespace

HistoryStore::HistoryStore(std::string path, Access access)
    : m_path(std::move(path)), m_access(access) {
    HistoryFile file = HistoryFile::open(m_path, access);
    m_connection = std::move(file.connection);
    if (file.fault) m_openError = faultMessage(*file.fault, m_path);
}

// Runs `work` when the store is open, turning an SQLite failure into the
// store's message; any transaction `work` began is rolled back by then.
template <class Result, class Work>
Result HistoryStore::answer(Work&& work) const {
    if (!isOpen()) return refusal<Result>(m_openError);
    try {
        return work();
    } catch (const SqliteError& error) {
        return refusal<Result>(faultMessage(faultOfSqliteCode(error.code), m_path));
    }
}

template <class Result, class Work>
Result HistoryStore::change(Work&& work) {
    if (isOpen() && m_access == Access::ReadOnly) {
        return refusal<Result>(faultMessage(StoreFault::ReadOnly, m_path));
    }
    return answer<Result>(std::forward<Work>(work));
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

ImportReport HistoryStore::importText(std::string_view lottery, std::string_view text) {
    ParsedDraws parsed = parseDrawLines(text);
    if (!parsed.ok()) return ImportReport{0, 0, std::move(parsed.errors), {}};
    return addDraws(lottery, std::move(parsed.draws));
}

ImportReport HistoryStore::addDraws(std::string_view lottery, std::vector<Draw> draws) {
    return change<ImportReport>([this, lottery, &draws] {
        if (trimmed(lottery).empty()) return refusal<ImportReport>("彩种名称不能为空");
        Transaction transaction(m_connection);
        const auto known = lotteryId(lottery);
        const int id = known ? *known : addedLottery(lottery);
        numberDraws(draws, newestOf(id));
        // A known issue is skipped; a bad draw fails the CHECK and so the import.
        Statement insert(m_connection,
                         "INSERT INTO draw VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7)"
                         " ON CONFLICT (lottery, issue) DO NOTHING");
        ImportReport report;
        for (const Draw& draw : draws) {
            insert.bind(1, id).bind(2, draw.issue);
            for (int k = 0; k < kBallCount; ++k) insert.bind(k + 3, draw.numbers[k]);
            insert.run();
            report.imported += m_connection.changes();
        }
        transaction.commit();
        report.skipped = static_cast<int>(draws.size()) - report.imported;
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
