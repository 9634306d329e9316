#include "tools/draws/HistoryForm.h"

#include <fstream>
#include <sstream>

#include "engine/TypedBet.h"
#include "history/DrawCsv.h"
#include "history/HistoryStore.h"
#include "history/ImportReport.h"
#include "toolkit/Host.h"
#include "toolkit/Placement.h"
#include "toolkit/SavedFile.h"
#include "tools/draws/PastDraws.h"

namespace draws {
namespace {

std::string drawText(const history::Draw& draw) {
    std::string text;
    for (const int number : draw.numbers) {
        if (!text.empty()) text += ' ';
        text += engine::twoDigits(number);
    }
    return text;
}

}  // namespace

HistoryForm::HistoryForm(Edition edition, toolkit::Host& host, const toolkit::Window& mainWindow)
    : Window(kTitle), m_edition(std::move(edition)), m_host(host), m_main(mainWindow) {
    addTimer(Timer1);
    Timer1.setTickHandler([this] { dock(); });
}

HistoryForm::~HistoryForm() = default;

void HistoryForm::onLoad() {
    ++m_revision;
    dock();
    Timer1.setEnabled(true);
    if (store() != nullptr && m_lottery.empty()) {
        const auto names = lotteries();
        if (!names.empty()) chooseLottery(names.front());
    }
    changed();
}

void HistoryForm::dock() {
    const Geometry place = toolkit::dockBeside(m_main.geometry(), frameSize(), m_main.workArea());
    setGeometry(place.left, place.top, width(), height());
}

// Opened once; a file that cannot be used stays closed, and says why.
history::HistoryStore* HistoryForm::store() {
    if (!m_store) {
        m_store = std::make_unique<history::HistoryStore>(m_path);
        if (!m_store->isOpen()) m_status = m_store->openError();
    }
    return m_store->isOpen() ? m_store.get() : nullptr;
}

bool HistoryForm::hasHistory() {
    return store() != nullptr;
}

std::vector<std::string> HistoryForm::lotteries() {
    if (store() == nullptr) return {};
    auto names = m_store->lotteries();
    if (!names.ok()) m_status = names.errorText;
    return names.value;
}

void HistoryForm::chooseLottery(const std::string& name) {
    m_lottery = name;
    m_check.clear();
    reloadDraws();
    changed();
}

bool HistoryForm::addLottery(const std::string& name) {
    if (store() == nullptr) {
        changed();
        return false;
    }
    const auto status = m_store->addLottery(name);
    if (!status.ok()) {
        m_status = status.errorText;
        changed();
        return false;
    }
    m_status = "已添加彩种：" + name;
    chooseLottery(name);
    return true;
}

// A back-test speaks of the draws it was run on: new or deleted draws end it.
void HistoryForm::reloadDraws() {
    ++m_revision;
    m_backtest.reset();
    m_draws.clear();
    if (m_lottery.empty() || store() == nullptr) return;
    auto draws = m_store->draws(m_lottery);
    if (!draws.ok()) m_status = draws.errorText;
    m_draws = std::move(draws.value);
}

void HistoryForm::importText(std::string_view text) {
    if (m_lottery.empty()) {
        m_status = "请先选择或添加彩种";
    } else if (store() != nullptr) {
        m_status = history::importSummary(m_store->importText(m_lottery, text));
        reloadDraws();
    }
    changed();
}

void HistoryForm::importFile() {
    if (m_lottery.empty()) {
        m_status = "请先选择或添加彩种";
        changed();
        return;
    }
    const std::string path = m_host.chooseFileToOpen("导入开奖号", kDrawFileFilter);
    if (path.empty()) return;
    std::ifstream file(path, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    if (!file) {
        m_status = "读不了文件：" + path;
        changed();
        return;
    }
    importText(text.str());
}

void HistoryForm::exportFile() {
    if (m_lottery.empty()) return;
    const std::string path = m_host.chooseFileToSave("导出开奖号", kCsvFilter);
    if (path.empty()) return;
    std::string error;
    m_status = toolkit::saveFileAtomically(path, history::drawsToCsv(m_draws), error)
                   ? "已导出 " + std::to_string(m_draws.size()) + " 期到 " + path
                   : "写不了文件：" + path;
    changed();
}

void HistoryForm::deleteDraws(const std::vector<std::string>& issues) {
    if (issues.empty() || m_lottery.empty() || store() == nullptr) return;
    const std::string question = "删除 " + m_lottery + " 的 " + std::to_string(issues.size()) +
                                 " 期开奖号？删除后不能恢复。";
    if (!m_host.askYesNo(question, "删除开奖号")) return;
    const auto deleted = m_store->deleteDraws(m_lottery, issues);
    m_status = deleted.ok() ? "已删除 " + std::to_string(deleted.value) + " 期" : deleted.errorText;
    reloadDraws();
    changed();
}

void HistoryForm::runBacktest(int count) {
    ++m_revision;
    if (m_draws.empty()) {
        m_status = "没有开奖号可回测：请先导入开奖历史";
        m_backtest.reset();
    } else {
        const std::size_t last =
            count > 0 ? std::min(m_draws.size(), static_cast<std::size_t>(count)) : m_draws.size();
        m_backtest = backtestOf(
            m_edition,
            std::vector<history::Draw>(m_draws.begin(), m_draws.begin() + static_cast<long>(last)));
        m_status = "回测了最近 " + std::to_string(last) + " 期";
    }
    changed();
}

void HistoryForm::checkTyped(std::string_view text) {
    std::string error;
    const auto draw = readTypedDraw(m_edition, text, error);
    m_check = error.empty() ? checkText(m_edition, draw) : error;
    changed();
}

void HistoryForm::checkNewest() {
    if (m_draws.empty()) {
        m_check = "没有开奖号：请先导入开奖历史";
    } else {
        m_check = m_draws.front().issue + " 期  " + checkText(m_edition, m_draws.front().numbers);
    }
    changed();
}

std::vector<std::string> HistoryForm::newestDrawTexts(int count, std::string& why) {
    if (m_lottery.empty()) {
        const auto names = lotteries();
        if (!names.empty()) chooseLottery(names.front());
    }
    if (!hasHistory()) why = m_status;
    std::vector<std::string> texts;
    for (std::size_t i = 0; i < m_draws.size() && static_cast<int>(i) < count; ++i)
        texts.push_back(drawText(m_draws[i]));
    return texts;
}

void HistoryForm::changed() {
    if (m_onChange) m_onChange();
}

}  // namespace draws
