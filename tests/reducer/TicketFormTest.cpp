#include <gtest/gtest.h>

#include <chrono>
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
    tickets::TicketForm form({[] { return reducer::SurvivorKind::Any5; },
                              [&result] { return result; }, [&separator] { return separator; }},
                             host, main);
    form.setTimeLimit(0.5);
    form.load();  // opening the window starts the run
    ASSERT_TRUE(form.isRunning());
    ASSERT_EQ(form.rows().size(), 7u);
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
    EXPECT_TRUE(form.marks().isCheapest[0] || form.marks().isCheapest[1]);

    form.C_fuzhi.press();  // nothing chosen yet
    EXPECT_EQ(host.callsOf(toolkit::HeadlessHost::Kind::Message).size(), 1u);
    form.chooseRow(0);
    const std::string tickets = form.chosenTickets();
    EXPECT_EQ(tickets.substr(0, tickets.find("\r\n")),
              reducer::ticketText(form.rows()[0].reduction->tickets[0], ','));
    form.C_fuzhi.press();
    EXPECT_EQ(host.clipboard(), tickets);

    result = "01 02 03 04 05";
    form.poll();
    EXPECT_TRUE(form.isStale());
    EXPECT_NE(form.status().find("已过时"), std::string::npos);
    result.clear();
    form.C_jisuan.press();
    EXPECT_FALSE(form.isRunning());
    EXPECT_EQ(form.status(), "没有可缩的号码：缩水结果为空，请先缩水");
}

}  // namespace
