#include "tools/trend/Chart.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <random>

#include "engine/PastRelative.h"

namespace {

using trend::Chart;
using trend::Edition;

// Newest first, as the store gives them, from lines listed oldest first.
std::vector<history::Draw> drawsOf(const std::vector<std::array<int, 5>>& oldestFirst) {
    std::vector<history::Draw> draws;
    for (std::size_t i = 0; i < oldestFirst.size(); ++i)
        draws.insert(draws.begin(), {std::to_string(2026120901 + i), oldestFirst[i]});
    return draws;
}

int columnOf(const Chart& chart, const std::string& group, const std::string& caption) {
    for (int c = 0; c < chart.columnCount(); ++c) {
        if (chart.groupName(c) == group && chart.caption(c) == caption) return c;
    }
    ADD_FAILURE() << group << caption;
    return 0;
}

// Worked by hand: 01 in every draw, 10 and 11 never, 04 last seen in the
// first of three; a window of one draw still counts skips over them all.
TEST(TrendChart, SkipsAndStatisticsOfHandWorkedDraws) {
    const auto draws = drawsOf({{1, 2, 3, 4, 5}, {1, 6, 7, 8, 9}, {1, 2, 3, 6, 7}});
    const Chart all = trend::chartOf(Edition::Any5, 7, draws, 10);
    EXPECT_EQ(trend::windowLine(all), "数据从 2026120901 期到 2026120903 期，共 3 期");
    struct Expected {
        const char* caption;
        std::array<const char*, 3> cells;
        std::array<const char*, 5> stats;  // 出现次数 平均遗漏 最大遗漏 最大连出 当前遗漏
    };
    const Expected numbers[] = {
        {"01", {"01", "01", "01"}, {"3", "0.0", "0", "3", "0"}},
        {"02", {"02", "1", "02"}, {"2", "0.3", "1", "1", "0"}},
        {"04", {"04", "1", "2"}, {"1", "1.0", "2", "1", "2"}},
        {"11", {"≥1", "≥2", "≥3"}, {"0", "3.0", "≥3", "0", "≥3"}},
    };
    for (const auto& e : numbers) {
        SCOPED_TRACE(e.caption);
        const int c = columnOf(all, "号码", e.caption);
        for (int r = 0; r < 3; ++r) EXPECT_EQ(trend::cellText(all, r, c), e.cells[r]);
        for (int s = 0; s < 5; ++s) EXPECT_EQ(trend::statsCell(all, s, c), e.stats[s]);
    }
    // 奇号个数 3 in every draw, 2 never; 重号 none for the first, then 1 and 3.
    EXPECT_EQ(trend::cellText(all, 1, columnOf(all, "奇号个数", "3")), "3");
    EXPECT_EQ(trend::cellText(all, 2, columnOf(all, "奇号个数", "2")), "≥3");
    EXPECT_EQ(trend::cellText(all, 0, columnOf(all, "重号个数", "1")), "≥1");
    EXPECT_EQ(trend::cellText(all, 1, columnOf(all, "重号个数", "1")), "1");
    EXPECT_EQ(trend::cellText(all, 2, columnOf(all, "重号个数", "3")), "3");
    EXPECT_EQ(trend::cellText(all, 1, columnOf(all, "邻号个数", "1")), "1");  // 06 by 05
    EXPECT_EQ(trend::cellText(all, 0, columnOf(all, "和值", "和值")), "15");
    EXPECT_EQ(trend::cellText(all, 2, columnOf(all, "跨度", "跨度")), "6");
    EXPECT_EQ(trend::statsCell(all, 0, columnOf(all, "和值", "和值")), "");

    const Chart one = trend::chartOf(Edition::Any5, 7, draws, 1);
    ASSERT_EQ(one.rowCount(), 1);
    EXPECT_EQ(trend::cellText(one, 0, columnOf(one, "号码", "04")), "2");
    EXPECT_EQ(trend::statsCell(one, 1, columnOf(one, "号码", "04")), "1.0");
    EXPECT_EQ(trend::statsCell(one, 2, columnOf(one, "号码", "04")), "2");

    // Front-3 by position: 01 first three times; 03 third twice.
    const Chart front3 = trend::chartOf(Edition::Front3, 7, draws, 0);
    EXPECT_EQ(trend::statsCell(front3, 0, columnOf(front3, "第一位", "01")), "3");
    EXPECT_EQ(trend::cellText(front3, 1, columnOf(front3, "第三位", "03")), "1");
    EXPECT_EQ(trend::statsCell(front3, 0, columnOf(front3, "第三位", "03")), "2");
    EXPECT_EQ(trend::cellText(front3, 2, columnOf(front3, "重号个数", "1")), "1");  // 01 again
    EXPECT_EQ(trend::windowLine(trend::chartOf(Edition::Front3, 7, {}, 50)), "没有开奖历史");
}

// A plain recount: each shown draw's cell found by walking back through every
// draw before it, and the statistics counted from those cells.
TEST(TrendChart, AgreesWithAPlainRecountOverRandomDraws) {
    std::mt19937 random(20261209);
    for (int round = 0; round < 60; ++round) {
        const Edition edition = round % 2 == 0 ? Edition::Any5 : Edition::Front3;
        std::vector<std::array<int, 5>> oldestFirst(random() % 40);
        for (auto& draw : oldestFirst) {
            std::array<int, 11> numbers{};
            std::iota(numbers.begin(), numbers.end(), 1);
            std::shuffle(numbers.begin(), numbers.end(), random);
            std::copy_n(numbers.begin(), 5, draw.begin());
        }
        const int window = static_cast<int>(random() % 45);
        const int bigFrom = round % 3 == 0 ? 6 : 7;
        const Chart chart = trend::chartOf(edition, bigFrom, drawsOf(oldestFirst), window);
        const int n = static_cast<int>(oldestFirst.size());
        const int shown = window > 0 ? std::min(window, n) : n;
        ASSERT_EQ(chart.rowCount(), shown);
        // Whether draw i holds column c: by its numbers, or its block's value.
        const auto holds = [&](int i, int c) {
            const trend::Column& column = chart.columns[static_cast<std::size_t>(c)];
            const auto& draw = oldestFirst[static_cast<std::size_t>(i)];
            const int balls = edition == Edition::Any5 ? 5 : 3;
            if (column.isGrid()) {
                if (edition == Edition::Front3) return draw[column.position] == column.value;
                return std::find(draw.begin(), draw.end(), column.value) != draw.end();
            }
            engine::BetMask mask = 0;
            for (int k = 0; k < balls; ++k) mask |= engine::bitOf(draw[k]);
            engine::BetMask previous = 0;
            if (i > 0) {
                for (int k = 0; k < balls; ++k)
                    previous |= engine::bitOf(oldestFirst[static_cast<std::size_t>(i - 1)][k]);
            }
            const std::string& name = chart.blocks[static_cast<std::size_t>(column.block)].name;
            int value = -1;
            if (name == "奇号个数") value = engine::countNumbers(mask & 0b101'0101'0101);
            if (name == "大号个数") value = engine::countNumbers(mask & (0x7FF << (bigFrom - 1)));
            if (name == "质号个数") value = engine::countNumbers(mask & 0b100'0101'0111);
            if (name == "重号个数" && i > 0) value = engine::repeatCount(mask, previous);
            if (name == "邻号个数" && i > 0) value = engine::neighbourCount(mask, previous);
            if (name == "AC值") value = engine::acValue(mask);
            for (int road = 0; road < 3; ++road) {
                if (name == std::to_string(road) + "路个数") value = engine::roadCount(mask, road);
            }
            return value == column.value;
        };
        for (int c = 0; c < chart.columnCount(); ++c) {
            const trend::Column& column = chart.columns[static_cast<std::size_t>(c)];
            if (!column.isGrid() && chart.blocks[static_cast<std::size_t>(column.block)].isPlain)
                continue;
            int appearances = 0, maxSkip = 0, maxRun = 0, run = 0;
            for (int r = 0; r < shown; ++r) {
                const int i = n - shown + r;
                int back = i;
                while (back >= 0 && !holds(back, c)) --back;
                const int expected = back == i ? 0 : back < 0 ? -(i + 1) : i - back;
                ASSERT_EQ(chart.cell(r, c), expected) << chart.groupName(c) << chart.caption(c);
                appearances += expected == 0 ? 1 : 0;
                run = expected == 0 ? run + 1 : 0;
                maxRun = std::max(maxRun, run);
                maxSkip = std::max(maxSkip, std::abs(expected));
            }
            const trend::ColumnStats& s = chart.stats[static_cast<std::size_t>(c)];
            EXPECT_EQ(s.appearances, appearances);
            EXPECT_EQ(s.maxSkip, maxSkip);
            EXPECT_EQ(s.maxRun, maxRun);
            if (shown > 0) {
                EXPECT_EQ(s.currentSkip, std::abs(chart.cell(shown - 1, c)));
                EXPECT_DOUBLE_EQ(s.meanSkip,
                                 static_cast<double>(shown - appearances) / (appearances + 1));
            }
        }
    }
}

}  // namespace
