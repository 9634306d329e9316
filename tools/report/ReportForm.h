#pragma once

#include <functional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "engine/ConditionReport.h"
#include "engine/ReportSource.h"
#include "engine/Verdicts.h"
#include "toolkit/Button.h"
#include "toolkit/Docking.h"
#include "toolkit/Label.h"
#include "toolkit/TextBox.h"
#include "toolkit/Window.h"

namespace engine {
class ResultPanel;
}

namespace report {

// Ftongji, "条件统计": what each active condition strikes (alone, in run
// order, and alone of all), which conditions take part in 容错, how the
// survivors of a tolerant run broke conditions, and "查注": the conditions one
// typed bet breaks and why. Its numbers come from its own table, never from the
// published result.
class ReportForm final : public toolkit::Window {
public:
    static constexpr const char* kTitle = "条件统计";
    static constexpr const char* kPassesAll = "这一注不违反任何条件";
    // The reason of a condition that cannot say more.
    static constexpr const char* kNoReason = "不符合所设的条件";

    // What the edition provides.
    using Source = engine::ReportSource;

    ReportForm(Source source, const toolkit::Window& mainWindow);

    toolkit::TextBox T_chazhu;         // the bet to look up
    toolkit::Button C_chazhu{"查注"};  // looks it up
    toolkit::TextBox T_chazhu_jieguo;  // the answer, read-only
    toolkit::Label L_rongcuo;          // survivors by conditions broken, under 容错

    const engine::ConditionReport& report() const { return m_report; }
    // The totals row's setting: "共 462 注，剩 9 注", counted as the published
    // result lists them, saying when no run was made or the result is stale.
    const std::string& totals() const { return m_totals; }
    const engine::Verdicts& verdicts() const { return m_verdicts; }
    // The conditions that do not take part in 容错, by name.
    const std::set<std::string>& hard() const { return m_hard; }
    void setHard(std::set<std::string> names);
    void setTakesPart(const std::string& name, bool takesPart);
    engine::Tolerance tolerance() const;

    // The conditions a typed bet breaks, in run order; none and a message
    // when the text is not a bet of the edition.
    std::vector<std::string> conditionsBrokenBy(std::string_view bet, std::string& error);
    // The same, each with why, as 查注 shows them: "杀和值：和值 19".
    std::vector<std::string> reasonsBrokenBy(std::string_view bet, std::string& error);

    // Recomputes when a condition or the tolerance changed since the last
    // time; true when it did.
    bool refreshIfChanged();
    // How many active conditions take part; called after every refresh.
    void setTakingPartListener(std::function<void(int)> listener) {
        m_onTakingPart = std::move(listener);
    }
    // The view redraws the table.
    void setReportListener(std::function<void()> listener) { m_onReport = std::move(listener); }

private:
    void onLoad() override;
    void lookUp();
    void refresh();
    std::string totalsText() const;

    Source m_source;
    toolkit::Docking m_docking;
    std::set<std::string> m_hard;
    std::string m_fingerprint;
    bool m_isStale = true;
    engine::Verdicts m_verdicts;
    engine::ConditionReport m_report;
    std::string m_totals;
    std::function<void(int)> m_onTakingPart;
    std::function<void()> m_onReport;
};

// Sets 容错 as a scheme gives it: the conditions that do not take part, then
// the selectors, once their range has followed the conditions.
void setTolerance(ReportForm& report, engine::ResultPanel& result,
                  const engine::Tolerance& tolerance);

}  // namespace report
