#include "tools/draws/HistoryForm.h"

#include "history/HistoryStore.h"

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
    m_worker.submit([count, chosen = m_list.lottery(),
                     answer = std::move(answer)](StoreWorker::Session& session) {
        auto texts = std::make_shared<std::vector<std::string>>();
        auto why = std::make_shared<std::string>();
        history::HistoryStore& store = session.store();
        std::string lottery = chosen;
        if (lottery.empty()) {
            const auto names = store.lotteries();
            if (!names.value.empty()) lottery = names.value.front();
            *why = names.errorText;
        }
        if (!lottery.empty()) {
            const auto stored = store.draws(lottery, count);
            *why = stored.errorText;
            for (const auto& draw : stored.value) texts->push_back(history::drawText(draw.numbers));
        }
        return [answer, texts, why] { answer(std::move(*texts), std::move(*why)); };
    });
}

}  // namespace draws
