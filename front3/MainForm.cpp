#include "front3/MainForm.h"

#include <bitset>
#include <string>

#include "engine/Captions.h"
#include "engine/ConditionRun.h"
#include "engine/ResultCopy.h"
#include "engine/TypedBet.h"
#include "front3/Conditions.h"
#include "front3/Publication.h"
#include "front3/SchemeControls.h"
#include "scheme/SchemeFiles.h"
#include "toolkit/Host.h"
#include "tools/compare/MainWindowViews.h"

namespace front3 {

MainForm::MainForm(toolkit::Host& host)
    : Window(kTitle),
      numbers(host),
      past(draws::Edition::Kind::Front3, host),
      jiaoji(intersectionUniverse(), tableGuard, host),
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
             [this](char separator) {
                 lastRunGrouped = false;
                 return publishDirect(table, separator);
             },
             false},
            tableGuard, result, host) {
    m_freshTable.generate();
    installConditions(*this);
    tongji.setTakingPartListener([this](int conditions) { result.setToleranceLimit(conditions); });
    result.setConditionsKey([this] { return engine::conditionsKey(pipeline, tongji.tolerance()); });
    result.setMissingCheck([this] { return past.hasUnreadRow(); });
    lishi.setDrawsFollower(
        [this] { past.setStored(lishi.drawList().lottery(), lishi.drawList().draws()); });
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
    result.C_guolv_ks.setClickHandler([this] { m_run.press(); });
    C_guolv_zhuan_zuxuan.setClickHandler([this] {
        m_run.pressThen([this](char separator) {
            lastRunGrouped = true;
            return publishGroups(table, separator);
        });
    });
    result.C_copy.setClickHandler([this] { engine::copyResult(result.ResultText, m_host); });
    m_run.setAfterPublish([this] { noteSkippedLines(); });
    C_all_cls.setClickHandler([this] { clearAll(); });
    C_fangan_baocun.setClickHandler(
        [this] { scheme::saveSchemeFile(m_host, captureScheme(*this)); });
    C_fangan_zairu.setClickHandler(
        [this] { compare::loadSchemeInto(*this, m_host, scheme::Edition::Front3); });
    C_qiansan_jiaoji.setClickHandler([this] { jiaoji.show(); });
    C11xuan5_r5.setClickHandler([this] {
        shell::launchSibling(m_host, environment, "quorvel_any5", "文件丢失-quorvel_any5");
    });
    Command1.setClickHandler(
        [this] { shell::openPage(m_host, environment.links.rules, shell::kPageFailedText); });
    C_suoshuiwang.setClickHandler([this] {
        shell::openPage(m_host, environment.links.tutorial, shell::kDownloadPageFailedText);
    });
    C_guanwang.setClickHandler([this] {
        shell::openPage(m_host, environment.links.download, shell::kDownloadPageFailedText);
    });
    C_danma_shuoming.setClickHandler(
        [this] { m_host.showMessage(bankerHelp(), kBankerHelpTitle); });
    L_lianma.setClickHandler(
        [this] { m_host.showMessage(shapes.T_lianma_shuoming.text(), kShapeHelpTitle); });
    L_tishi.setTextColour(toolkit::palette::kRed);
}

// The report judges the conditions on a table of its own; a typed bet is
// found there by its numbers in position order.
report::ReportForm::Source MainForm::reportSource() {
    auto source = engine::reportSource(
        pipeline, m_freshTable, result, [this](std::string_view text, std::string& error) {
            const engine::TypedBet bet = engine::readTypedBet(text, 3);
            if (!bet.ok()) {
                error = "不是前三的一注：" + bet.error;
                return 0;
            }
            for (int row = 1; row <= CandidateTable::kRowCount; ++row) {
                if (m_freshTable.number(row, 1) == bet.numbers[0] &&
                    m_freshTable.number(row, 2) == bet.numbers[1] &&
                    m_freshTable.number(row, 3) == bet.numbers[2])
                    return row;
            }
            return 0;
        });
    source.countShown = [this](const engine::RowBits& rows) { return shownCount(rows); };
    return source;
}

int MainForm::shownCount(const engine::RowBits& rows) const {
    if (!lastRunGrouped) return static_cast<int>(rows.count());
    std::bitset<1u << 12> groups;
    for (int row = 1; row <= CandidateTable::kRowCount; ++row) {
        if (rows[static_cast<std::size_t>(row)]) groups.set(m_freshTable.mask(row));
    }
    return static_cast<int>(groups.count());
}

// The history finds a draw's winning bet by its first three in position
// order; while the result shows groups, by every ordering of them.
// The reducer reads the published result, bets or groups.
tickets::Source MainForm::ticketSource() {
    return {[this] {
                return lastRunGrouped ? reducer::SurvivorKind::Groups
                                      : reducer::SurvivorKind::Front3;
            },
            [this] { return result.ResultText; }, [this] { return result.separator(); },
            [this](std::function<void(std::string)> answer) {
                lishi.resultRecord(tickets::TicketForm::kRecordDraws, std::move(answer));
            }};
}

scheme::UndoHistory::Window MainForm::undoWindow() {
    return compare::undoWindowOf(
        *this,
        [this](scheme::Scheme& s) {
            s.comma = result.Check_out_douhao.isTicked();
            s.group = lastRunGrouped;
        },
        [this] { return shapes.Op_dahao_fanwei.chosen(); });
}

compare::Source MainForm::compareSource() {
    return compare::compareSourceOf<MainForm>(
        *this, scheme::Edition::Front3, engine::front3ConditionNames(),
        [](MainForm& twin, const scheme::Scheme& s) {
            (s.group ? twin.C_guolv_zhuan_zuxuan : twin.result.C_guolv_ks).press();
        });
}

// The chart reads the history's draws and presses this window's buttons.
trend::Links MainForm::trendLinks() {
    trend::Links links;
    links.edition = trend::Edition::Front3;
    links.draws = [this]() -> const std::vector<history::Draw>& {
        return lishi.drawList().draws();
    };
    links.drawsRevision = [this] { return lishi.drawList().revision(); };
    links.bigFrom = [this] { return shapes.Op_dahao_fanwei.chosen() == 1 ? 6 : 7; };
    links.rowOf = [this](const std::string& block) -> toolkit::ButtonArray* {
        if (block == "奇号个数") return &shapes.C_jishu_geshu;
        if (block == "大号个数") return &shapes.C_dahao_geshu;
        if (block == "重号个数") return &past.C_chonghao;
        if (block == "邻号个数") return &past.C_linhao;
        return nullptr;
    };
    links.killNumbers = &numbers.C_tsm_sha;
    for (int g = 1; g <= 3; ++g) links.bankers.push_back(&numbers.numbers(g));
    links.positionKill = &numbers.C_dingwei_sha;
    return links;
}

draws::Edition MainForm::historyEdition() {
    draws::Edition edition;
    edition.kind = draws::Edition::Kind::Front3;
    edition.verdicts = [this] { return pipeline.verdicts(m_freshTable); };
    edition.tolerance = [this] { return tongji.tolerance(); };
    edition.isGrouped = [this] { return lastRunGrouped; };
    edition.winnerRows = [this](const std::array<int, 5>& draw) {
        const int a = draw[0], b = draw[1], c = draw[2];
        if (!lastRunGrouped) return std::vector<int>{CandidateTable::rowOf(a, b, c)};
        return std::vector<int>{CandidateTable::rowOf(a, b, c), CandidateTable::rowOf(a, c, b),
                                CandidateTable::rowOf(b, a, c), CandidateTable::rowOf(b, c, a),
                                CandidateTable::rowOf(c, a, b), CandidateTable::rowOf(c, b, a)};
    };
    edition.countSurvivors = [this](const engine::RowBits& rows) { return shownCount(rows); };
    edition.resultText = [this] { return result.ResultText; };
    return edition;
}

intersection::Universe MainForm::intersectionUniverse() {
    return {intersection::Universe::Edition::Front3,
            CandidateTable::kRowCount,
            [this](const std::function<void()>& yield) { table.generate(yield); },
            [this](int row, int* numbers) {
                for (int k = 0; k < 3; ++k) numbers[k] = table.number(row, k + 1);
            },
            [this](int row) { table.kill(row); },
            [this](int row) { return table.isKilled(row); }};
}

std::string MainForm::bankerHelp() {
    return "建议新手:胆码输入一行就可以了，不要输入多行胆码，胆码开出个数可不选\r\n" +
           std::string(60, '-') +
           "\r\n如输入多组胆码（即多行胆码），则缩水后的号码就是多组胆码的【交集】。\r\n"
           "输入多组胆码（即多行胆码）也叫号码匹配\r\n"
           "【胆码开出个数】是表示你选择的胆码会开出几个，可多选几个，如不选择个数将默认至少开出一"
           "个\r\n"
           "比如选01 02 08这几个号码为胆，胆码开出个数选择2、3个\r\n"
           "则缩水后的号码里必须含有01 02 08其中的2、3个号码，少于2、3个算错\r\n"
           "\r\n"
           "如不懂使用请点击【软件使用教程】";
}

// Start-up, in order: the tab pages, then the panel defaults (pair captions,
// progress frame hidden, big-number range), then the result column's state.
void MainForm::onLoad() {
    tabs.initialise();
    pages.setPairCaptions();
    result.Frame_jindu.setVisible(false);
    shapes.Op_dahao_fanwei.choose(0);
    result.T_dd_by.setText({});
    result.Check_out_douhao.setTicked(false);
    result.dadi_zhushu.setCaption("0");
    undo.start();
}

// Compound lines without three "*"-separated parts cannot be read; the run
// goes on without them and the note says so until the next run.
void MainForm::noteSkippedLines() {
    const CompoundKillStage* compound = pages.compoundStage();
    const std::size_t skipped = compound != nullptr ? compound->skippedLines() : 0;
    L_tishi.setCaption(skipped == 0 ? std::string()
                                    : "注意：杀垃圾复式里有" + std::to_string(skipped) +
                                          "行\n不是“第一位*第二位*第三位”的格式，\n"
                                          "这些行没有参与过滤。");
}

// Resets every condition in the order the player knows; the big-number
// range, the comma option, the shown tab and the last result stay.
void MainForm::clearAll() {
    undo.nameNextStep("清空所有条件");
    pages.T_main_shazhixuan.setText(pages.T_main_shazhixuan_by.text());
    pages.T_main_laji_fushi.setText({});
    for (std::size_t row = 0; row < 3; ++row) pages.C_laji_cls.press(row);
    pages.C_sha2ma_cls.press();
    pages.C_bichu2ma_cls.press();
    numbers.C_kuadu_sha_cls.press();
    for (std::size_t group = 0; group < 3; ++group) numbers.C_danma_chu_cls.press(group);
    numbers.C_bdw_chu_cls.press();
    for (toolkit::Button* clear :
         {&numbers.Command2, &numbers.Command3, &numbers.Command4, &shapes.Command5,
          &shapes.Command7, &shapes.Command9, &shapes.Command11}) {
        clear->press();
    }
    pages.C_012.press(1);
    for (auto* array : {&shapes.C_jishu_geshu, &shapes.C_dahao_geshu, &shapes.C_sha_xingtai_01}) {
        array->setAllBackColours(toolkit::palette::kCream);
    }
    for (const auto row : draws::PastPanel::kRows)
        past.row(row).setAllBackColours(toolkit::palette::kCream);
}

}  // namespace front3
