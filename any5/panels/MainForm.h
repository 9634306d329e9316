#pragma once

#include <string>

#include "any5/assistant/KillAssistant.h"
#include "any5/panels/AcRoadPanel.h"
#include "any5/panels/BankerPanel.h"
#include "any5/panels/CountPanel.h"
#include "any5/panels/GroupEntryPanels.h"
#include "any5/panels/MinMaxPanel.h"
#include "any5/panels/PairPages.h"
#include "any5/panels/ParityPicker.h"
#include "any5/panels/ShapePanels.h"
#include "any5/panels/ShellButtons.h"
#include "engine/Any5Slot.h"
#include "engine/CandidateTable.h"
#include "engine/FilterRun.h"
#include "engine/Pipeline.h"
#include "engine/ResultPanel.h"
#include "engine/TableGuard.h"
#include "scheme/UndoHistory.h"
#include "toolkit/Label.h"
#include "toolkit/TabStrip.h"
#include "toolkit/Window.h"
#include "tools/compare/CompareForm.h"
#include "tools/draws/HistoryForm.h"
#include "tools/draws/PastPanel.h"
#include "tools/intersection/IntersectionForm.h"
#include "tools/report/ReportForm.h"
#include "tools/tickets/TicketForm.h"
#include "tools/trend/TrendForm.h"

namespace toolkit {
class Host;
}

namespace any5 {

// Fmain of the any-5 program: owns the condition panels, the odd/even picker,
// the candidate table, the pipeline of conditions and the result column.
class MainForm final : public toolkit::Window {
public:
    static constexpr const char* kTitle = "11选5Quorvel  任5版 2014.10.30";

    explicit MainForm(toolkit::Host& host);

    engine::ResultPanel result{"复制号码", "号码之间逗号隔开"};
    toolkit::TabStrip tabs{{"杀垃圾复式/组选", "杀2码组合", "必出2码组合", "杀3码组合",
                            "必出3码组合", "杀4码组合", "定位杀号", "重号冷热"},
                           {"杀直选复式/组选", "杀2码组合", "必出2码组合", "杀3码组合",
                            "必出3码组合", "杀4码组合", "定位杀号", "重号 邻号 热温冷 AC值 012路"}};
    PairPages pairs;
    GroupEntryPanels entries;
    BankerPanel bankers;
    ShapePanels shapes;
    MinMaxPanel minMax;
    CountPanel counts;
    // The page 重号冷热: rows read against the draws before the next one,
    // and AC值 and 012路 beside them.
    draws::PastPanel past;
    AcRoadPanel acRoads;
    // The ticked odd/even arrangements, "奇奇奇奇奇*偶偶偶偶偶*"; kept while
    // the picker is closed.
    std::string ParityPatternList;
    ParityPicker picker{ParityPatternList, *this};
    toolkit::Button C_sha_jiou{"杀奇偶排列", toolkit::palette::kCream};
    toolkit::Button C_all_cls{"清空所有条件"};
    toolkit::Button C_fangan_baocun{"保存方案"};
    toolkit::Button C_fangan_zairu{"载入方案"};
    toolkit::Button C_jiaoji{"交集工具"};
    toolkit::Button C_tongji{"条件统计"};
    toolkit::Button C_lishi{"开奖历史"};
    toolkit::Button C_baozhong{"保中缩票"};
    toolkit::Button C_zoushi{"走势图"};
    toolkit::Button C_chexiao{"撤销"};
    toolkit::Button C_chongzuo{"重做"};
    toolkit::Button C_fangan_duibi{"方案对比"};
    ShellButtons links;
    toolkit::Label L_shahao_jiqiao{"使用作者杀号技巧"};

    engine::CandidateTable table;
    engine::TableGuard tableGuard;
    engine::Pipeline<engine::CandidateTable> pipeline{engine::kAny5SlotCount};
    intersection::IntersectionForm jiaoji;
    assistant::KillAssistant shahao;
    report::ReportForm tongji;
    draws::HistoryForm lishi;
    tickets::TicketForm baozhong;
    trend::TrendForm zoushi;
    // 撤销 / 重做 of the conditions; the window settles it after each round
    // of its event loop.
    scheme::UndoHistory undo;
    compare::CompareForm duibi;

    // The pointer over the bare window surface ends every hover highlight.
    void hoverSurface();
    // How the last press of the start button ended.
    const engine::FilterRun& filterRun() const { return m_run; }

private:
    void onLoad() override;
    report::ReportForm::Source reportSource();
    intersection::Universe intersectionUniverse();
    draws::Edition historyEdition();
    tickets::Source ticketSource();
    trend::Links trendLinks();
    scheme::UndoHistory::Window undoWindow();
    compare::Source compareSource();
    void copy();
    void togglePicker();
    void clearAll();

    toolkit::Host& m_host;
    engine::CandidateTable m_freshTable;  // every bet alive, for the report
    engine::FilterRun m_run;
};

}  // namespace any5
