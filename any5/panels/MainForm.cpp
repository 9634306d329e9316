#include "any5/panels/MainForm.h"

#include <memory>

#include "any5/panels/Conditions.h"
#include "any5/panels/SchemeControls.h"
#include "engine/Captions.h"
#include "engine/ConditionRun.h"
#include "engine/ResultCopy.h"
#include "engine/TypedBet.h"
#include "scheme/SchemeFiles.h"
#include "toolkit/Host.h"
#include "tools/compare/MainWindowViews.h"

namespace any5 {

MainForm::MainForm(toolkit::Host& host)
    : Window(kTitle),
      entries(host),
      bankers(host),
      shapes(host),
      minMax(host),
      past(draws::Edition::Kind::Any5, host),
      links(host),
      jiaoji(intersectionUniverse(), tableGuard, host),
      shahao(host, *this, bankers.C_danma_chu, pairs.C_sha2ma, links.environment),
      tongji(reportSource(), *this),
      lishi(historyEdition(), host, *this),
      baozhong(ticketSource(), host, *this),
      zoushi(trendLinks(), host, *this),
      undo(undoWindow()),
      duibi(compareSource(), host, *this),
      m_host(host),
      m_run({[this](const std::function<void()>& yield) { table.generate(yield); },
             [this] {
                 const engine::Tolerance tolerance = tongji.tolerance();
                 result.setRunTolerance(tolerance);
                 engine::applyConditions(pipeline, table, tolerance);
             },
             [this](char separator) { return engine::publishAlive(table, separator); }, true},
            tableGuard, result, host) {
    m_freshTable.generate();
    installConditions(*this);
    tongji.setTakingPartListener([this](int conditions) { result.setToleranceLimit(conditions); });
    result.setConditionsKey([this] { return engine::conditionsKey(pipeline, tongji.tolerance()); });
    result.setMissingCheck([this] { return past.hasUnreadRow(); });
    lishi.setDrawsFollower(
        [this] { past.setStored(lishi.drawList().lottery(), lishi.drawList().draws()); });
    result.C_guolv_ks.setClickHandler([this] { m_run.press(); });
    result.C_copy.setClickHandler([this] { copy(); });
    C_sha_jiou.setClickHandler([this] { togglePicker(); });
    C_all_cls.setClickHandler([this] { clearAll(); });
    C_fangan_baocun.setClickHandler(
        [this] { scheme::saveSchemeFile(m_host, captureScheme(*this)); });
    C_fangan_zairu.setClickHandler(
        [this] { compare::loadSchemeInto(*this, m_host, scheme::Edition::Any5); });
    C_jiaoji.setClickHandler([this] { jiaoji.show(); });
    C_tongji.setClickHandler([this] { tongji.show(); });
    C_lishi.setClickHandler([this] { lishi.show(); });
    C_baozhong.setClickHandler([this] { baozhong.show(); });
    C_zoushi.setClickHandler([this] { zoushi.show(); });
    C_chexiao.setClickHandler([this] { undo.undo(); });
    C_fangan_duibi.setClickHandler([this] { duibi.chooseFile(); });
    C_chongzuo.setClickHandler([this] { undo.redo(); });
    undo.setChangeListener([this] {
        C_chexiao.setEnabled(undo.canUndo());
        C_chexiao.setToolTip(undo.canUndo() ? undo.undoText() : "没有可撤销的改动");
        C_chongzuo.setEnabled(undo.canRedo());
        C_chongzuo.setToolTip(undo.canRedo() ? undo.redoText() : "没有可重做的改动");
    });
    shahao.setHistorySource([this](assistant::KillAssistant::HistoryAnswer answer) {
        lishi.newestDrawTexts(5, std::move(answer));
    });
    L_shahao_jiqiao.setClickHandler([this] { shahao.show(); });
    L_shahao_jiqiao.setMouseMoveHandler([this] {
        L_shahao_jiqiao.setUnderlined(true);
        L_shahao_jiqiao.setTextColour(toolkit::palette::kRed);
    });
    // Closing the picker by its own close box also turns the button cream.
    picker.setUnloadHandler([this] { C_sha_jiou.setBackColour(toolkit::palette::kCream); });
}

intersection::Universe MainForm::intersectionUniverse() {
    return {intersection::Universe::Edition::Any5,
            engine::CandidateTable::kRowCount,
            [this](const std::function<void()>& yield) { table.generate(yield); },
            [this](int row, int* numbers) {
                for (int k = 0; k < 5; ++k) numbers[k] = table.number(row, k + 1);
            },
            [this](int row) { table.kill(row); },
            [this](int row) { return table.isKilled(row); }};
}

// The report judges the conditions on a table of its own; a typed bet is
// found there by its numbers, in any order.
report::ReportForm::Source MainForm::reportSource() {
    return engine::reportSource(
        pipeline, m_freshTable, result, [this](std::string_view text, std::string& error) {
            const engine::TypedBet bet = engine::readTypedBet(text, 5);
            if (!bet.ok()) {
                error = "不是任选五的一注：" + bet.error;
                return 0;
            }
            engine::BetMask mask = 0;
            for (const int n : bet.numbers) mask |= static_cast<engine::BetMask>(1u << (n - 1));
            for (int row = 1; row <= engine::CandidateTable::kRowCount; ++row) {
                if (m_freshTable.mask(row) == mask) return row;
            }
            return 0;
        });
}

// The history finds a draw's winning bet by its set of numbers.
// The reducer reads the published result, bets or groups.
tickets::Source MainForm::ticketSource() {
    return {[] { return reducer::SurvivorKind::Any5; }, [this] { return result.ResultText; },
            [this] { return result.separator(); },
            [this](std::function<void(std::string)> answer) {
                lishi.resultRecord(tickets::TicketForm::kRecordDraws, std::move(answer));
            }};
}

scheme::UndoHistory::Window MainForm::undoWindow() {
    return compare::undoWindowOf(
        *this, [this](scheme::Scheme& s) { s.comma = result.Check_out_douhao.isTicked(); },
        [this] { return counts.Op_dahao_fanwei.chosen(); });
}

compare::Source MainForm::compareSource() {
    return compare::compareSourceOf<MainForm>(
        *this, scheme::Edition::Any5, engine::any5ConditionNames(),
        [](MainForm& twin, const scheme::Scheme&) { twin.result.C_guolv_ks.press(); });
}

// The chart reads the history's draws and presses this window's buttons.
trend::Links MainForm::trendLinks() {
    trend::Links links;
    links.edition = trend::Edition::Any5;
    links.draws = [this]() -> const std::vector<history::Draw>& {
        return lishi.drawList().draws();
    };
    links.drawsRevision = [this] { return lishi.drawList().revision(); };
    links.bigFrom = [this] { return counts.Op_dahao_fanwei.chosen() == 1 ? 6 : 7; };
    links.rowOf = [this](const std::string& block) -> toolkit::ButtonArray* {
        const std::pair<const char*, toolkit::ButtonArray*> rows[] = {
            {"奇号个数", &counts.C_jishu_geshu}, {"大号个数", &counts.C_dahao_geshu},
            {"质号个数", &counts.C_zhihe_geshu}, {"重号个数", &past.C_chonghao},
            {"邻号个数", &past.C_linhao},        {"AC值", &acRoads.C_aczhi},
            {"0路个数", &acRoads.C_lu0},         {"1路个数", &acRoads.C_lu1},
            {"2路个数", &acRoads.C_lu2}};
        for (const auto& [name, row] : rows) {
            if (block == name) return row;
        }
        return nullptr;
    };
    links.killNumbers = &shapes.C_tsm_sha;
    for (int g = 1; g <= BankerPanel::kGroups; ++g) links.bankers.push_back(&bankers.numbers(g));
    return links;
}

draws::Edition MainForm::historyEdition() {
    draws::Edition edition;
    edition.kind = draws::Edition::Kind::Any5;
    edition.verdicts = [this] { return pipeline.verdicts(m_freshTable); };
    edition.tolerance = [this] { return tongji.tolerance(); };
    edition.winnerRows = [](const std::array<int, 5>& draw) {
        engine::BetMask mask = 0;
        for (const int n : draw) mask |= static_cast<engine::BetMask>(1u << (n - 1));
        const int row = engine::CandidateTable::rowOf(mask);
        return row > 0 ? std::vector<int>{row} : std::vector<int>{};
    };
    edition.countSurvivors = [](const engine::RowBits& rows) {
        return static_cast<int>(rows.count());
    };
    edition.resultText = [this] { return result.ResultText; };
    return edition;
}

// Start-up, in order: the tab pages, then the panel defaults (pair captions,
// progress frame hidden, big-number range), then the result column's state.
// Every condition button starts cream and every box with its hint.
void MainForm::onLoad() {
    tabs.initialise();
    pairs.setCaptions();
    result.Frame_jindu.setVisible(false);
    counts.Op_dahao_fanwei.choose(0);
    result.T_dd_by.setText({});
    result.Check_out_douhao.setTicked(false);
    result.dadi_zhushu.setCaption("0");
    undo.start();
}

void MainForm::hoverSurface() {
    links.hoverSurface();
    L_shahao_jiqiao.setUnderlined(false);
    L_shahao_jiqiao.setTextColour(toolkit::palette::kBlack);
}

void MainForm::copy() {
    engine::copyResult(result.ResultText, m_host);
}

void MainForm::togglePicker() {
    if (picker.isLoaded()) {
        picker.unload();
    } else {
        picker.load();
        C_sha_jiou.setBackColour(toolkit::palette::kGreen);
    }
}

// Resets every condition in the order the player knows; the pads of the
// compound and triple pages, the two check boxes, the big-number range, the
// chosen tab and the last result stay as they are.
void MainForm::clearAll() {
    undo.nameNextStep("清空所有条件");
    entries.restoreHints();
    for (toolkit::Button* clear :
         {&pairs.C_sha2ma_cls, &pairs.C_chu2ma_cls, &shapes.C_zuobian_sha_heiwei_cls,
          &shapes.C_zuobian_sha_zhidinghezhi_cls, &shapes.C_kuadu_sha_cls, &bankers.C_danma_chu_cls,
          &bankers.C_danma_chu_cls2, &bankers.C_danma_chu_cls3, &bankers.C_danma_chu_cls4,
          &bankers.C_danma_chu_cls5, &shapes.C_jianju_cls, &shapes.C_bdw_chu_cls}) {
        clear->press();
    }
    entries.C_ding_sha_4ma_kg.press(1);
    entries.T_sha_dadi.setText(entries.T_sha_dadi_by.text());
    for (auto* array : {&counts.C_jishu_geshu, &counts.C_dahao_geshu, &counts.C_zhihe_geshu,
                        &shapes.C_sha_xingtai_01, &minMax.C_min, &minMax.C_max, &acRoads.C_aczhi,
                        &acRoads.C_lu0, &acRoads.C_lu1, &acRoads.C_lu2}) {
        array->setAllBackColours(toolkit::palette::kCream);
    }
    for (const auto row : draws::PastPanel::kRows)
        past.row(row).setAllBackColours(toolkit::palette::kCream);
    ParityPatternList.clear();
    entries.T_ding_shadingwei.setText({});
    picker.resynchronise();
}

}  // namespace any5
