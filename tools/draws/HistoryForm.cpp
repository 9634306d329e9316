#include "tools/draws/HistoryForm.h"

#include "history/HistoryStore.h"
#include "tools/draws/PastDraws.h"

namespace draws {
HistoryForm::HistoryForm(Edition edition, toolkit::Host& host, const toolkit::Window& mainWindow)
    : Window(kTitle),
      m_edition(std::move(edition)),
      m_docking(*this, mainWindow),
      m_worker(host),
      m_list(m_worker, m_status, host),
      m_import(m_worker, m_status, m_list, host),
      m_export(m_worker, m_status, m_list, host),
      m_backtests(m_edition, m_status, m_list),
      m_check(m_edition, m_status, m_list) {
    m_list.setDrawsListener([this] {
        m_backtests.end();
        m_check.clear();
        if (m_follower) m_follower();
    });
}

HistoryForm::~HistoryForm() = default;

void HistoryForm::onLoad() {
    m_docking.place();
    m_list.read();
}

std::string HistoryForm::working() const {
    if (m_import.isRunning()) return "正在导入…";
    return m_worker.pending() > 0 ? "正在读取…" : "";
}

void HistoryForm::newestDrawTexts(int count, DrawTexts answer) {
    newestDraws(count,
                [answer = std::move(answer)](std::vector<history::Draw> draws, std::string why) {
                    std::vector<std::string> texts;
                    for (const auto& draw : draws) texts.push_back(history::drawText(draw.numbers));
                    answer(std::move(texts), std::move(why));
                });
}

void HistoryForm::resultRecord(int count, std::function<void(std::string)> answer) {
    newestDraws(count,
                [this, answer = std::move(answer)](std::vector<history::Draw> draws, std::string) {
                    answer(draws::resultRecord(m_edition, draws));
                });
}

void HistoryForm::newestDraws(int count, Draws answer) {
    m_worker.submit([count, chosen = m_list.lottery(),
                     answer = std::move(answer)](StoreWorker::Session& session) {
        auto draws = std::make_shared<std::vector<history::Draw>>();
        auto why = std::make_shared<std::string>();
        history::HistoryStore& store = session.store();
        std::string lottery = chosen;
        if (lottery.empty()) {
            const auto names = store.lotteries();
            if (!names.value.empty()) lottery = names.value.front();
            *why = names.errorText;
        }
        if (!lottery.empty()) {
            auto stored = store.draws(lottery, count);
            *why = stored.errorText;
            *draws = std::move(stored.value);
        }
        return [answer, draws, why] { answer(std::move(*draws), std::move(*why)); };
    });
}

}  // namespace draws
