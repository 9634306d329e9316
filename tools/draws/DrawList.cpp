#include "tools/draws/DrawList.h"

#include <algorithm>
#include <fstream>
#include <iterator>

#include "history/HistoryStore.h"
#include "toolkit/Host.h"
#include "toolkit/SavedFile.h"
#include "tools/draws/PastDraws.h"
#include "tools/draws/StatusLine.h"
#include "tools/draws/StoreWorker.h"

namespace draws {
namespace {

// What one read finds: the lotteries, the one chosen and its draws, or why not.
struct Reading {
    std::vector<std::string> lotteries;
    std::string lottery;
    std::shared_ptr<const DrawList::Draws> draws;
    std::string missingIssue;
    std::string errorText;
};

// The lottery last chosen is kept beside the history file, so that the next
// start shows it (and the main window reads its draws) again.
std::string choiceFile(const history::HistoryStore& store) {
    const std::string& path = store.path();
    return path.empty() || path == history::HistoryStore::kInMemory ? std::string()
                                                                    : path + ".lottery";
}

std::string rememberedChoice(const history::HistoryStore& store) {
    const std::string file = choiceFile(store);
    if (file.empty()) return {};
    std::ifstream in(file, std::ios::binary);
    std::string name((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    return name;
}

void rememberChoice(const history::HistoryStore& store, const std::string& name) {
    const std::string file = choiceFile(store);
    if (file.empty() || name.empty() || rememberedChoice(store) == name) return;
    std::string error;  // a choice that cannot be kept is only not kept
    toolkit::saveFileAtomically(file, name, error);
}

Reading readFrom(history::HistoryStore& store, std::string wanted) {
    Reading reading;
    auto names = store.lotteries();
    if (!names.ok()) {
        reading.errorText = names.errorText;
        return reading;
    }
    reading.lotteries = std::move(names.value);
    const auto isKept = [&reading](const std::string& name) {
        return std::find(reading.lotteries.begin(), reading.lotteries.end(), name) !=
               reading.lotteries.end();
    };
    if (wanted.empty()) {
        if (std::string last = rememberedChoice(store); isKept(last)) wanted = std::move(last);
    }
    if (wanted.empty() && !reading.lotteries.empty()) wanted = reading.lotteries.front();
    if (isKept(wanted)) rememberChoice(store, wanted);
    reading.lottery = wanted;
    if (wanted.empty()) return reading;
    auto stored = store.draws(wanted);
    if (!stored.ok()) reading.errorText = stored.errorText;
    reading.draws = std::make_shared<const DrawList::Draws>(std::move(stored.value));
    reading.missingIssue = missingIssueOf(*reading.draws);
    return reading;
}

}  // namespace

DrawList::DrawList(StoreWorker& worker, StatusLine& status, toolkit::Host& host)
    : m_worker(worker), m_status(status), m_host(host) {}

// A failed read keeps what the list showed, and says why.
void DrawList::readChoosing(std::string wanted) {
    m_worker.submit([this, wanted](StoreWorker::Session& session) {
        auto reading = std::make_shared<Reading>(readFrom(session.store(), wanted));
        return [this, reading] {
            if (!reading->errorText.empty()) {
                m_status.say(reading->errorText);
                if (!reading->draws) return;
            }
            ++m_revision;
            m_lotteries = std::move(reading->lotteries);
            m_lottery = std::move(reading->lottery);
            m_draws = reading->draws ? reading->draws : std::make_shared<const Draws>();
            m_missingIssue = std::move(reading->missingIssue);
            if (m_onDraws) m_onDraws();
            m_status.changed();
        };
    });
    m_status.changed();
}

void DrawList::add(const std::string& name, std::function<void()> added) {
    m_worker.submit([this, name, added](StoreWorker::Session& session) {
        auto status = std::make_shared<history::Status>(session.store().addLottery(name));
        return [this, name, added, status] {
            if (!status->ok()) {
                m_status.say(status->errorText);
                return;
            }
            m_status.say("已添加彩种：" + name);
            if (added) added();
            choose(name);
        };
    });
    m_status.changed();
}

void DrawList::remove(const std::vector<std::string>& issues) {
    if (issues.empty() || m_lottery.empty()) return;
    const std::string question = "删除 " + m_lottery + " 的 " + std::to_string(issues.size()) +
                                 " 期开奖号？删除后不能恢复。";
    if (!m_host.askYesNo(question, "删除开奖号")) return;
    m_worker.submit([this, lottery = m_lottery, issues](StoreWorker::Session& session) {
        auto deleted =
            std::make_shared<history::Outcome<int>>(session.store().deleteDraws(lottery, issues));
        return [this, deleted] {
            m_status.say(deleted->ok() ? "已删除 " + std::to_string(deleted->value) + " 期"
                                       : deleted->errorText);
            read();
        };
    });
    m_status.changed();
}

}  // namespace draws
