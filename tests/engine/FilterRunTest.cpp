#include "engine/FilterRun.h"

#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>

#include "engine/Any5Slot.h"
#include "engine/Pipeline.h"
#include "tests/support/StageFromFunction.h"
#include "toolkit/HeadlessHost.h"

namespace {

using engine::Any5Slot;
using engine::CandidateTable;
using testsupport::StageFromFunction;
using toolkit::HeadlessHost;

class FilterRunTest : public ::testing::Test {
protected:
    FilterRunTest() {
        result.C_guolv_ks.setClickHandler([this] { run.press(); });
    }

    void install(Any5Slot slot, StageFromFunction::Rule rule) {
        pipeline.install(engine::slotIndex(slot), std::make_unique<StageFromFunction>(rule));
    }
    void start() { result.C_guolv_ks.press(); }
    std::vector<HeadlessHost::Call> messages() const {
        return host.callsOf(HeadlessHost::Kind::Message);
    }

    HeadlessHost host;
    CandidateTable table;
    engine::TableGuard guard;
    engine::Pipeline<CandidateTable> pipeline{engine::kAny5SlotCount};
    engine::ResultPanel result{"复制号码", "号码之间逗号隔开"};
    engine::FilterRun run{
        {[this](const std::function<void()>& yield) { table.generate(yield); },
         [this] { pipeline.apply(table); },
         [this](char separator) { return engine::publishAlive(table, separator); }, true},
        guard,
        result,
        host};
};

TEST_F(FilterRunTest, EmptyPipelinePublishesAll462BetsInEveryPlace) {
    start();
    ASSERT_EQ(result.Li_out.size(), 462u);
    EXPECT_EQ(result.Li_out.items().front(), "01 02 03 04 05");
    EXPECT_EQ(result.Li_out.items().back(), "07 08 09 10 11");
    EXPECT_EQ(result.dadi_zhushu.caption(), "462");
    EXPECT_EQ(result.T_dd_by.text(), result.ResultText);
    EXPECT_EQ(testsupport::splitCrLf(result.ResultText), result.Li_out.items());
    EXPECT_TRUE(messages().empty());
    EXPECT_TRUE(result.C_guolv_ks.isEnabled());
    EXPECT_EQ(host.yieldCount(), 462);
}

TEST_F(FilterRunTest, CommaModeIsReadWhenTheRunPublishes) {
    result.Check_out_douhao.setTicked(true);
    start();
    EXPECT_EQ(result.Li_out.items().front(), "01,02,03,04,05");
    EXPECT_EQ(result.ResultText.substr(0, 16), "01,02,03,04,05\r\n");

    result.Check_out_douhao.setTicked(false);  // no run yet: nothing changes
    EXPECT_EQ(result.Li_out.items().front(), "01,02,03,04,05");
    EXPECT_EQ(result.ResultText.substr(0, 14), "01,02,03,04,05");

    start();
    EXPECT_EQ(result.ResultText.substr(0, 14), "01 02 03 04 05");
}

TEST_F(FilterRunTest, TickingCommasWhileTheTableIsGeneratedCountsForThatRun) {
    host.setOnYield([this] { result.Check_out_douhao.setTicked(true); });
    start();
    EXPECT_EQ(result.Li_out.items().back(), "07,08,09,10,11");
}

TEST_F(FilterRunTest, StagesRunInSlotOrderAndOnlyKill) {
    std::vector<std::string> order;
    auto note = [&](std::string name, int killRow) {
        return [&order, name, killRow](const CandidateTable&, int row) {
            if (row == 1) order.push_back(name);
            return row == killRow;
        };
    };
    install(Any5Slot::ParityPattern, note("parity", 462));
    install(Any5Slot::CompoundKill, note("compound", 1));
    install(Any5Slot::BankerGroup, note("banker", 2));
    start();
    EXPECT_EQ(order, (std::vector<std::string>{"compound", "banker", "parity"}));
    EXPECT_EQ(result.dadi_zhushu.caption(), "459");
    EXPECT_EQ(result.Li_out.items().front(), "01 02 03 04 07");
    EXPECT_EQ(result.Li_out.items().back(), "06 08 09 10 11");
}

TEST_F(FilterRunTest, AStageSeesTheBetsItsPredecessorsLeftAlive) {
    install(Any5Slot::Sum, [](const CandidateTable& t, int row) { return t.number(row, 1) != 1; });
    int aliveSeenByLaterStage = 0;
    install(Any5Slot::KillAll, [&](const CandidateTable& t, int row) {
        aliveSeenByLaterStage += t.isKilled(row) ? 0 : 1;
        return false;
    });
    start();
    EXPECT_EQ(aliveSeenByLaterStage, 210);
    EXPECT_EQ(result.dadi_zhushu.caption(), "210");
}

TEST_F(FilterRunTest, NothingLeftShowsTheWarningAfterEmptyingTheResult) {
    start();
    install(Any5Slot::KillAll, [](const CandidateTable&, int) { return true; });
    host.setOnMessage([this] {
        // The controls are already empty while the message is up.
        EXPECT_EQ(result.Li_out.size(), 0u);
        EXPECT_EQ(result.dadi_zhushu.caption(), "0");
    });
    start();
    EXPECT_EQ(result.T_dd_by.text(), "");
    EXPECT_EQ(result.ResultText, "");
    ASSERT_EQ(messages().size(), 1u);
    EXPECT_EQ(messages()[0].text, "本次过滤结果为0注，请检查是否有条件输入错误。");
    EXPECT_EQ(messages()[0].title, "温情提示");
    EXPECT_TRUE(result.C_guolv_ks.isEnabled());
}

TEST_F(FilterRunTest, EveryRunStartsFromAll462BetsAgain) {
    bool killing = true;
    install(Any5Slot::Span, [&](const CandidateTable&, int row) { return killing && row > 10; });
    start();
    EXPECT_EQ(result.dadi_zhushu.caption(), "10");
    const auto firstText = result.ResultText;
    start();
    EXPECT_EQ(result.ResultText, firstText);
    killing = false;
    start();
    EXPECT_EQ(result.dadi_zhushu.caption(), "462");
}

TEST_F(FilterRunTest, AFailingStageKeepsThePreviousResultWholeAndReenablesStart) {
    start();
    const auto before = result.ResultText;
    bool fail = true;
    install(Any5Slot::Count, [](const CandidateTable&, int row) { return row % 2 == 0; });
    install(Any5Slot::Consecutive, [&](const CandidateTable&, int row) -> bool {
        if (fail && row == 100) throw std::runtime_error("broken stage");
        return false;
    });
    start();
    EXPECT_TRUE(result.C_guolv_ks.isEnabled());
    EXPECT_EQ(result.ResultText, before);
    EXPECT_EQ(result.T_dd_by.text(), before);
    EXPECT_EQ(result.Li_out.size(), 462u);
    EXPECT_EQ(result.dadi_zhushu.caption(), "462");
    ASSERT_EQ(messages().size(), 1u);
    EXPECT_EQ(messages()[0].title, "错误提示");

    fail = false;  // the next press works normally
    start();
    EXPECT_EQ(result.dadi_zhushu.caption(), "231");
}

TEST_F(FilterRunTest, StartIsDisabledWhileRunningSoRunsNeverNest) {
    int runsStarted = 0;
    install(Any5Slot::CompoundKill, [&](const CandidateTable&, int row) {
        runsStarted += row == 1 ? 1 : 0;
        return false;
    });
    bool sawDisabled = true;
    host.setOnYield([&] {
        sawDisabled = sawDisabled && !result.C_guolv_ks.isEnabled();
        result.C_guolv_ks.press();  // the player clicks again while it runs
    });
    start();
    EXPECT_TRUE(sawDisabled);
    EXPECT_EQ(runsStarted, 1);
    EXPECT_TRUE(result.C_guolv_ks.isEnabled());
    EXPECT_EQ(result.T_jindutiao[1].width(), result.T_jindutiao[0].width());
}

TEST_F(FilterRunTest, ProgressFillStartsNearlyEmptyAndEndsFull) {
    int fillDuringRun = -1;
    host.setOnYield([&] { fillDuringRun = result.T_jindutiao[1].width(); });
    start();
    EXPECT_EQ(fillDuringRun, 3);  // 0.001 of the 3000-unit track
    EXPECT_EQ(result.T_jindutiao[1].width(), 3000);
}

TEST_F(FilterRunTest, AToolOperationAskedForDuringARunWaitsUntilItIsPublished) {
    std::string seenByTool;
    host.setOnYield([&] {
        if (host.yieldCount() != 100) return;
        guard.runExclusive([&] {
            seenByTool = result.dadi_zhushu.caption();
            table.generate();  // the tool marks the shared table its own way
            for (int row = 1; row <= 462; ++row) table.kill(row);
        });
    });
    start();
    EXPECT_EQ(seenByTool, "462");
    EXPECT_EQ(result.Li_out.size(), 462u);
    EXPECT_FALSE(guard.isBusy());
}

TEST_F(FilterRunTest, APressWhileAToolHoldsTheTableRunsWhenTheToolIsDone) {
    guard.runExclusive([&] {
        start();
        EXPECT_EQ(result.Li_out.size(), 0u);  // not yet: the tool holds the table
        EXPECT_FALSE(result.C_guolv_ks.isEnabled());
    });
    EXPECT_EQ(result.Li_out.size(), 462u);
    EXPECT_TRUE(result.C_guolv_ks.isEnabled());
}

}  // namespace
