#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <memory>
#include <stdexcept>
#include <string>
#include <thread>

#include "engine/CandidateTable.h"
#include "engine/Publication.h"
#include "reducer/Survivors.h"
#include "tests/reducer/LotteryRules.h"
#include "toolkit/HeadlessHost.h"
#include "tools/tickets/TicketForm.h"

namespace {

// Polls as the window's timer does until `done` holds, for at most a minute.
template <class Done>
bool pollUntil(tickets::TicketForm& form, Done done) {
    for (int tick = 0; tick < 6000; ++tick) {
        form.poll();
        if (done()) return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return false;
}

// The solver works off the caller's thread, play after play; the caller
// takes its news by polling, can stop it keeping the best found, copies a
// play's tickets as the result is written, and sees when they went stale.
// Run under ThreadSanitizer in CI.
TEST(ReducerTicketForm, SolvesEveryPlayBesideTheCallerStopsCopiesAndGoesStale) {
    engine::CandidateTable table;
    table.generate();
    std::string result = engine::publishAlive(table, ',').text;  // all 462 bets
    char separator = ',';
    toolkit::HeadlessHost host;
    toolkit::Window main("main");
    // The history answers later, and for the result asked about only.
    std::function<void(std::string)> recordAnswer;
    tickets::TicketForm form({[] { return reducer::SurvivorKind::Any5; },
                              [&result] { return result; }, [&separator] { return separator; },
                              [&recordAnswer](auto answer) { recordAnswer = std::move(answer); }},
                             host, main);
    form.setTimeLimit(0.5);
    form.load();  // opening the window starts the run
    ASSERT_TRUE(form.isRunning());
    ASSERT_EQ(form.rows().size(), 7u);
    ASSERT_TRUE(recordAnswer);
    EXPECT_EQ(form.record(), "");
    recordAnswer("过去 100 期，中奖号落在缩水结果里 100 期");
    EXPECT_EQ(form.record(), "过去 100 期，中奖号落在缩水结果里 100 期");
    ASSERT_TRUE(pollUntil(form, [&form] { return form.rows()[0].reduction.has_value(); }));
    form.C_tingzhi.press();
    ASSERT_TRUE(pollUntil(form, [&form] { return !form.isRunning(); }));
    EXPECT_NE(form.status().find("已停止"), std::string::npos) << form.status();

    const auto survivors = reducer::survivorsOfText(result, reducer::SurvivorKind::Any5);
    int solved = 0;
    for (const auto& row : form.rows()) {
        SCOPED_TRACE(std::string(row.play.name));
        if (!row.reduction) {
            EXPECT_EQ(row.note, "已停止");
            continue;
        }
        ++solved;
        for (std::size_t i = 0; i < survivors.size(); ++i) {
            const auto draw = lotteryrules::drawOf(survivors, i);
            EXPECT_TRUE(std::any_of(row.reduction->tickets.begin(), row.reduction->tickets.end(),
                                    [&](const reducer::Ticket& ticket) {
                                        return lotteryrules::wins(row.play.play, ticket, draw);
                                    }))
                << "survivor " << i;
        }
    }
    ASSERT_GE(solved, 1);

    form.C_fuzhi.press();  // nothing chosen yet
    EXPECT_EQ(host.callsOf(toolkit::HeadlessHost::Kind::Message).size(), 1u);
    form.chooseRow(0);
    const std::string tickets = form.chosenTickets();
    EXPECT_EQ(tickets.substr(0, tickets.find("\r\n")),
              reducer::ticketText(form.rows()[0].reduction->tickets[0], ','));
    EXPECT_EQ(form.chosenHeading(), "任选二 " + std::to_string(form.rows()[0].reduction->count()) +
                                        " 注，" + std::to_string(form.rows()[0].reduction->cost()) +
                                        " 元");
    form.C_fuzhi.press();
    EXPECT_EQ(host.clipboard(), tickets);
    EXPECT_TRUE(form.chosenHeading().ends_with(
        "（已复制 " + std::to_string(form.rows()[0].reduction->count()) + " 注）"));

    result = "01 02 03 04 05";
    form.poll();
    EXPECT_TRUE(form.isStale());
    EXPECT_NE(form.status().find("已过时"), std::string::npos);
    result.clear();
    form.C_jisuan.press();
    EXPECT_FALSE(form.isRunning());
    EXPECT_EQ(form.status(), "没有可缩的号码：缩水结果为空，请先缩水");
}

struct FormOfBets {
    std::string result;
    toolkit::HeadlessHost host;
    toolkit::Window main{"main"};
    std::unique_ptr<tickets::TicketForm> form;

    explicit FormOfBets(std::string bets) : result(std::move(bets)) {
        form = std::make_unique<tickets::TicketForm>(
            tickets::Source{[] { return reducer::SurvivorKind::Any5; },
                            [this] { return result; },
                            [] { return ' '; },
                            {}},
            host, main);
    }
};

// A solve that fails, with whatever it throws, tells so in its play's row;
// the next plays are solved, and the run ends as usual.
TEST(ReducerTicketForm, AFailingSolveIsNotedInItsRowAndTheNextPlaysGoOn) {
    FormOfBets bets("01 02 03 04 05\r\n01 02 03 04 06");
    bets.form->setSolver([](const reducer::Survivors& survivors, reducer::Play play,
                            const reducer::Options& options) -> reducer::ReduceResult {
        if (play == reducer::Play::Any3) throw std::runtime_error("内存不足");
        if (play == reducer::Play::Any5) throw 42;
        return reducer::reduce(survivors, play, options);
    });
    bets.form->load();
    ASSERT_TRUE(pollUntil(*bets.form, [&bets] { return !bets.form->isRunning(); }));
    std::vector<std::string> notes;
    for (const auto& row : bets.form->rows())
        notes.push_back(std::string(row.play.name) + (row.reduction ? " 已算出" : " " + row.note));
    EXPECT_EQ(notes, (std::vector<std::string>{"任选二 已算出", "任选三 计算出错：内存不足",
                                               "任选四 已算出", "任选五 计算出错：未知错误",
                                               "任选六 已算出", "任选七 已算出", "任选八 已算出"}));
    EXPECT_EQ(bets.form->table().cells[1][tickets::TicketTable::kNote], "计算出错：内存不足");
}

// Neither a new run nor the window's end waits for a solve that takes its
// time to stop: here two seconds after the request.
TEST(ReducerTicketForm, NewRunAndEndReturnAtOnceWhileTheOldSolveWindsDown) {
    const auto started = std::make_shared<std::atomic<int>>(0);
    const auto ended = std::make_shared<std::atomic<int>>(0);
    FormOfBets bets("01 02 03 04 05");
    bets.form->setTimeLimit(600);
    bets.form->setSolver([started, ended](const reducer::Survivors& survivors, reducer::Play play,
                                          const reducer::Options& options) {
        ++*started;
        while (!options.stop.stop_requested())
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        std::this_thread::sleep_for(std::chrono::seconds(2));
        auto result = reducer::reduce(survivors, play, options);
        ++*ended;
        return result;
    });
    bets.form->load();
    ASSERT_TRUE(pollUntil(*bets.form, [&started] { return *started == 1; }));
    using Clock = std::chrono::steady_clock;
    const auto seconds = [](Clock::time_point since) {
        return std::chrono::duration<double>(Clock::now() - since).count();
    };

    auto before = Clock::now();
    bets.form->C_jisuan.press();
    EXPECT_LT(seconds(before), 0.5);
    EXPECT_TRUE(bets.form->isRunning());
    ASSERT_TRUE(pollUntil(*bets.form, [&started] { return *started == 2; }));
    before = Clock::now();
    bets.form.reset();
    EXPECT_LT(seconds(before), 0.5);

    // Both solves end on their own, touching only what they own.
    for (int tick = 0; tick < 3000 && *ended < 2; ++tick)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    EXPECT_EQ(*ended, 2);
    for (int tick = 0; tick < 3000 && tickets::runningSolvers() > 0; ++tick)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    EXPECT_EQ(tickets::runningSolvers(), 0);
}

// The marks wait for every play, and go only to plays whose tickets surely
// win back what they cost; the others say so, with what they surely lose.
TEST(ReducerTicketTable, MarksOnlyPlaysThatPayBackOnceEveryPlayIsSolved) {
    const auto solved = [](reducer::Play play, int count, int leastPrize) {
        reducer::Reduction found;
        found.play = play;
        found.tickets.resize(static_cast<std::size_t>(count));
        found.lowerBound = count;
        found.leastPrize = found.mostPrize = leastPrize;
        return tickets::PlayRow{reducer::playInfo(play), found, "", false, {}};
    };
    // 任选二 is cheapest but surely wins 6 of its 8 元.
    const std::vector<tickets::PlayRow> rows = {solved(reducer::Play::Any2, 4, 6),
                                                solved(reducer::Play::Any3, 5, 19),
                                                solved(reducer::Play::Any6, 7, 90)};
    using Table = tickets::TicketTable;
    const Table table = tickets::ticketTable(rows);
    const std::vector<std::string> notes = {
        table.cells[0][Table::kNote], table.cells[1][Table::kNote], table.cells[2][Table::kNote]};
    EXPECT_EQ(notes, (std::vector<std::string>{"保底不回本", "最低成本", "保底最划算"}));
    EXPECT_EQ(table.isPointedOut, (std::vector<bool>{false, true, true}));
    EXPECT_EQ(table.cells[0][Table::kBalance], "-2");
    EXPECT_EQ(table.cells[1][Table::kBalance], "+9");

    std::vector<tickets::PlayRow> unfinished = rows;
    unfinished.push_back(
        {reducer::playInfo(reducer::Play::Any7), std::nullopt, tickets::kWaitingNote, false, {}});
    const Table waiting = tickets::ticketTable(unfinished);
    EXPECT_EQ(waiting.isPointedOut, (std::vector<bool>{false, false, false, false}));
    EXPECT_EQ(waiting.cells[0][Table::kNote], "保底不回本");
    EXPECT_EQ(waiting.cells[1][Table::kNote], "");
}

}  // namespace
