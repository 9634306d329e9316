#include "tools/report/ReportForm.h"

#include "engine/ResultPanel.h"

namespace report {

ReportForm::ReportForm(Source source, const toolkit::Window& mainWindow)
    : Window(kTitle), m_source(std::move(source)), m_docking(*this, mainWindow) {
    T_chazhu_jieguo.setReadOnly(true);
    C_chazhu.setClickHandler([this] { lookUp(); });
}

void ReportForm::onLoad() {
    m_docking.place();
    refreshIfChanged();
}

void ReportForm::setHard(std::set<std::string> names) {
    m_hard = std::move(names);
    m_isStale = true;
}

void ReportForm::setTakesPart(const std::string& name, bool takesPart) {
    if (takesPart) {
        m_hard.erase(name);
    } else {
        m_hard.insert(name);
    }
    m_isStale = true;
    refreshIfChanged();
}

engine::Tolerance ReportForm::tolerance() const {
    const auto [min, max] = m_source.toleranceRange();
    return {min, max, m_hard};
}

bool ReportForm::refreshIfChanged() {
    const auto [min, max] = m_source.toleranceRange();
    std::string print = m_source.fingerprint();
    print += '\x1d' + std::to_string(min) + '-' + std::to_string(max);
    const engine::PublishedResult published = m_source.published();
    print += '\x1d' + std::to_string(published.hasRun) + std::to_string(published.count) +
             std::to_string(published.isStale) + published.unit;
    if (!m_isStale && print == m_fingerprint) return false;
    m_fingerprint = std::move(print);
    m_isStale = false;
    refresh();
    return true;
}

void ReportForm::refresh() {
    m_verdicts = m_source.verdicts();
    const engine::Tolerance used = tolerance();
    m_report = engine::reportOf(m_verdicts, used);
    int takingPart = 0;
    for (const auto& row : m_report.rows) takingPart += row.takesPart ? 1 : 0;
    std::string line;
    if (!used.isPlain()) {
        line = "容错 " + std::to_string(used.min) + "-" + std::to_string(used.max) + "：剩 " +
               std::to_string(m_report.survivors) + " 注";
        for (std::size_t k = 0; k < m_report.survivorsByBreaks.size(); ++k) {
            line += (k == 0 ? "，其中" : "，") + std::string("错 ") + std::to_string(k) +
                    " 个条件的 " + std::to_string(m_report.survivorsByBreaks[k]) + " 注";
        }
    }
    L_rongcuo.setCaption(line);
    m_totals = totalsText();
    if (!T_chazhu_jieguo.text().empty()) lookUp();
    if (m_onReport) m_onReport();
    if (m_onTakingPart) m_onTakingPart(takingPart);
}

// "共 462 注，剩 7 注", counted as the result lists them, and how that stands
// against the result published.
std::string ReportForm::totalsText() const {
    const engine::PublishedResult published = m_source.published();
    const std::string unit = published.hasRun ? published.unit : "注";
    int all = m_report.rowCount;
    int left = m_report.survivors;
    if (m_source.countShown) {
        engine::RowBits every;
        for (int row = 1; row <= m_report.rowCount; ++row) every.set(static_cast<std::size_t>(row));
        all = m_source.countShown(every);
        left = m_source.countShown(m_report.survivorRows);
    }
    std::string text =
        "共 " + std::to_string(all) + " " + unit + "，剩 " + std::to_string(left) + " " + unit;
    if (!published.hasRun) return text + "（还没有缩水：按【开始缩水】才列出结果）";
    if (published.isStale)
        text += "（结果里是上次的 " + std::to_string(published.count) + " " + unit +
                "，条件已改，请重新缩水）";
    return text;
}

std::vector<std::string> ReportForm::conditionsBrokenBy(std::string_view bet, std::string& error) {
    refreshIfChanged();
    const int row = m_source.findBet(bet, error);
    return row == 0 ? std::vector<std::string>{} : engine::conditionsBrokenBy(m_verdicts, row);
}

std::vector<std::string> ReportForm::reasonsBrokenBy(std::string_view bet, std::string& error) {
    refreshIfChanged();
    const int row = m_source.findBet(bet, error);
    if (row == 0) return {};
    std::vector<std::string> lines;
    for (const auto& name : engine::conditionsBrokenBy(m_verdicts, row)) {
        const std::string reason = m_source.reasonOf(name, row);
        lines.push_back(name + "：" + (reason.empty() ? kNoReason : reason));
    }
    return lines;
}

void ReportForm::lookUp() {
    std::string error;
    const auto lines = reasonsBrokenBy(T_chazhu.text(), error);
    if (!error.empty()) {
        T_chazhu_jieguo.setText(error);
        return;
    }
    if (lines.empty()) {
        T_chazhu_jieguo.setText(kPassesAll);
        return;
    }
    std::string text = "违反 " + std::to_string(lines.size()) + " 个条件：";
    for (const auto& line : lines) text += "\r\n" + line;
    T_chazhu_jieguo.setText(text);
}

void setTolerance(ReportForm& report, engine::ResultPanel& result,
                  const engine::Tolerance& tolerance) {
    report.setHard(tolerance.hard);
    report.refreshIfChanged();
    result.N_rongcuo_max.setValue(tolerance.max);
    result.N_rongcuo_min.setValue(tolerance.min);
}

}  // namespace report
