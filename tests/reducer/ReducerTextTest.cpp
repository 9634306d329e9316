#include <gtest/gtest.h>

#include "reducer/Reducer.h"

namespace {

using reducer::Play;
using reducer::SurvivorKind;
using reducer::Ticket;

std::string listing(SurvivorKind kind) {
    std::string text;
    for (const auto& info : reducer::playsFor(kind)) {
        text += std::string(info.name) + " " + std::to_string(info.prize) + " 元 " +
                std::to_string(info.ticketSize) + (info.isOrdered ? " 定位" : "") + "\n";
    }
    return text;
}

TEST(ReducerPlays, EachResultKindListsItsPlaysWithPrizes) {
    EXPECT_EQ(listing(SurvivorKind::Any5),
              "任选二 6 元 2\n任选三 19 元 3\n任选四 78 元 4\n任选五 540 元 5\n"
              "任选六 90 元 6\n任选七 26 元 7\n任选八 9 元 8\n");
    EXPECT_EQ(listing(SurvivorKind::Front3),
              "前一 13 元 1 定位\n前二直选 130 元 2 定位\n前二组选 65 元 2\n"
              "前三直选 1170 元 3 定位\n前三组选 195 元 3\n任选二 6 元 2\n");
    EXPECT_EQ(listing(SurvivorKind::Groups), "前三组选 195 元 3\n任选二 6 元 2\n");
}

TEST(ReducerTickets, TicketsReadLikeResultText) {
    EXPECT_EQ(reducer::ticketText(Ticket::ofOrder({3, 1}), ' '), "03 01");
    EXPECT_EQ(reducer::ticketText(Ticket::ofOrder({11}), ' '), "11");
    EXPECT_EQ(reducer::ticketText(Ticket::ofSet(0x403), ','), "01,02,11");
    EXPECT_EQ(reducer::ticketText(Ticket::ofSet(0x7F8), ' '), "04 05 06 07 08 09 10 11");
    const auto published = reducer::publishTickets({Ticket::ofSet(0x3), Ticket::ofSet(0x600)}, ' ');
    EXPECT_EQ(published.text, "01 02\r\n10 11");
    EXPECT_EQ(published.lines.size(), 2u);
}

TEST(ReducerTickets, TicketsSortAsTheirTexts) {
    std::vector<Ticket> tickets{Ticket::ofSet(0x600), Ticket::ofSet(0x5), Ticket::ofSet(0x6),
                                Ticket::ofSet(0x3)};
    std::sort(tickets.begin(), tickets.end());
    EXPECT_EQ(reducer::publishTickets(tickets, ' ').text, "01 02\r\n01 03\r\n02 03\r\n10 11");
}

TEST(ReducerSummary, OneLineSaysCountCostProofAndPrizes) {
    reducer::Reduction proven;
    proven.play = Play::Any2;
    proven.tickets.resize(10);
    proven.lowerBound = 10;
    proven.leastPrize = 6;
    proven.mostPrize = 24;
    EXPECT_EQ(reducer::summaryLine(proven),
              "任选二 10 注 20 元，已证明最少，中奖 6 至 24 元，保底盈亏 -14 元");

    reducer::Reduction stopped = proven;
    stopped.play = Play::Any6;
    stopped.tickets.resize(100);
    stopped.lowerBound = 92;
    stopped.leastPrize = 90;
    stopped.mostPrize = 180;
    stopped.wasStopped = true;
    EXPECT_EQ(
        reducer::summaryLine(stopped),
        "任选六 100 注 200 元，下限 92 注（未证明最少），中奖 90 至 180 元，保底盈亏 -110 元，"
        "已停止");
}

}  // namespace
