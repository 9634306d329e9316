#pragma once

#include "engine/FilterRun.h"
#include "engine/Pipeline.h"
#include "engine/ResultPanel.h"
#include "engine/TableGuard.h"
#include "front3/CandidateTable.h"
#include "front3/EntryPages.h"
#include "front3/Front3Slot.h"
#include "front3/NumberPanels.h"
#include "front3/ShapePanels.h"
#include "scheme/UndoHistory.h"
#include "shell/Shell.h"
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

namespace front3 {

// Fmain of the front-3 program: the condition panels, the 990-bet table,
// its thirteen stages and the result column with the group conversion.
class MainForm final : public toolkit::Window {
public:
    static constexpr const char* kTitle = "11选5Quorvel 前三版 2014.10.30";
    static constexpr const char* kBankerHelpTitle = "胆码提示说明";
    static constexpr const char* kShapeHelpTitle = "提示说明";

    explicit MainForm(toolkit::Host& host);

    engine::ResultPanel result{"复制过滤结果", "号码间逗号隔开"};
    toolkit::Button C_guolv_zhuan_zuxuan{"【转为组选】"};
    toolkit::TabStrip tabs{
        {"杀直选号码", "杀垃圾复式", "杀2码组合", "必出2码组合", "杀012路", "重号冷热"},
        {"杀直选号码", "杀垃圾复式", "杀两码组合", "必出两码", "杀012路", "重号 邻号 热温冷"}};
    EntryPages pages;
    NumberPanels numbers;
    ShapePanels shapes;
    // The page 重号冷热: rows read against the draws before the next one.
    draws::PastPanel past;
    toolkit::Button C_all_cls{"清空所有条件"};
    toolkit::Button C_fangan_baocun{"保存方案"};
    toolkit::Button C_fangan_zairu{"载入方案"};
    toolkit::Button C_qiansan_jiaoji{"交集工具"};
    toolkit::Button C_tongji{"条件统计"};
    toolkit::Button C_lishi{"开奖历史"};
    toolkit::Button C_baozhong{"保中缩票"};
    toolkit::Button C_zoushi{"走势图"};
    toolkit::Button C_chexiao{"撤销"};
    toolkit::Button C_chongzuo{"重做"};
    toolkit::Button C_fangan_duibi{"方案对比"};
    toolkit::Button C11xuan5_r5{"11选5任选5软件"};
    toolkit::Button Command1{"11选5游戏规则"};
    toolkit::Button C_suoshuiwang{"软件使用教程"};
    toolkit::Button C_guanwang{"下载最新版软件"};
    shell::Environment environment;
    toolkit::Button C_danma_shuoming{"胆码说明"};
    toolkit::Label L_lianma{"说明"};
    // A note beside the result: compound lines the last run could not read.
    toolkit::Label L_tishi;

    // Whether the result column shows groups: the last run that published
    // came from 【转为组选】. Saved in schemes as "group".
    bool lastRunGrouped = false;

    CandidateTable table;
    engine::TableGuard tableGuard;
    engine::Pipeline<CandidateTable> pipeline{kFront3SlotCount};
    intersection::IntersectionForm jiaoji;
    report::ReportForm tongji;
    draws::HistoryForm lishi;
    tickets::TicketForm baozhong;
    trend::TrendForm zoushi;
    // 撤销 / 重做 of the conditions; the window settles it after each round
    // of its event loop.
    scheme::UndoHistory undo;
    compare::CompareForm duibi;

    // The banker help text, lines joined by CR LF.
    static std::string bankerHelp();
    // How the last press of the start button ended.
    const engine::FilterRun& filterRun() const { return m_run; }

private:
    void onLoad() override;
    void clearAll();
    void noteSkippedLines();
    intersection::Universe intersectionUniverse();
    report::ReportForm::Source reportSource();
    draws::Edition historyEdition();
    // Survivors as the result lists them: bets, or groups after 转为组选.
    int shownCount(const engine::RowBits& rows) const;
    tickets::Source ticketSource();
    trend::Links trendLinks();
    scheme::UndoHistory::Window undoWindow();
    compare::Source compareSource();

    toolkit::Host& m_host;
    CandidateTable m_freshTable;  // every bet alive, for the report
    engine::FilterRun m_run;
};

}  // namespace front3
