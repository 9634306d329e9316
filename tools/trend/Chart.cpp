#include "tools/trend/Chart.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "engine/BetMask.h"
#include "engine/PastRelative.h"
#include "engine/ReportText.h"

namespace trend {
namespace {

constexpr engine::BetMask kOdd = 0b101'0101'0101;    // 01 03 05 07 09 11
constexpr engine::BetMask kPrime = 0b100'0101'0111;  // 01 02 03 05 07 11

std::vector<Block> blocksOf(Edition edition) {
    if (edition == Edition::Front3) {
        return {{"奇号个数", 0, 3}, {"大号个数", 0, 3},   {"质号个数", 0, 3},  {"重号个数", 0, 3},
                {"邻号个数", 0, 3}, {"和值", 0, 0, true}, {"跨度", 0, 0, true}};
    }
    return {{"奇号个数", 0, 5}, {"大号个数", 0, 5},   {"质号个数", 0, 5},  {"重号个数", 0, 5},
            {"邻号个数", 0, 5}, {"AC值", 0, 5},       {"0路个数", 0, 3},   {"1路个数", 0, 4},
            {"2路个数", 0, 4},  {"和值", 0, 0, true}, {"跨度", 0, 0, true}};
}

// The value of each block for a draw, in the blocks' order.
void valuesOf(Edition edition, engine::BetMask draw, engine::BetMask big,
              const engine::BetMask* previous, std::vector<int>& values) {
    values.clear();
    values.push_back(engine::countNumbers(static_cast<engine::BetMask>(draw & kOdd)));
    values.push_back(engine::countNumbers(static_cast<engine::BetMask>(draw & big)));
    values.push_back(engine::countNumbers(static_cast<engine::BetMask>(draw & kPrime)));
    values.push_back(previous ? engine::repeatCount(draw, *previous) : Chart::kNoValue);
    values.push_back(previous ? engine::neighbourCount(draw, *previous) : Chart::kNoValue);
    if (edition == Edition::Any5) {
        values.push_back(engine::acValue(draw));
        for (int road = 0; road < 3; ++road) values.push_back(engine::roadCount(draw, road));
    }
    int sum = 0;
    int smallest = 12;
    int largest = 0;
    for (int n = 1; n <= 11; ++n) {
        if ((draw & engine::bitOf(n)) == 0) continue;
        sum += n;
        smallest = std::min(smallest, n);
        largest = std::max(largest, n);
    }
    values.push_back(sum);
    values.push_back(largest - smallest);
}

std::string twoDigits(int n) {
    return (n < 10 ? "0" : "") + std::to_string(n);
}

std::string skipText(int cell) {
    return cell < 0 ? "≥" + std::to_string(-cell) : std::to_string(cell);
}

}  // namespace

std::string Chart::caption(int column) const {
    const Column& c = columns[static_cast<std::size_t>(column)];
    if (c.isGrid()) return twoDigits(c.value);
    const Block& block = blocks[static_cast<std::size_t>(c.block)];
    return block.isPlain ? block.name : std::to_string(c.value);
}

std::string Chart::groupName(int column) const {
    const Column& c = columns[static_cast<std::size_t>(column)];
    if (!c.isGrid()) return blocks[static_cast<std::size_t>(c.block)].name;
    if (edition == Edition::Any5) return "号码";
    static const char* const kPositions[] = {"第一位", "第二位", "第三位"};
    return kPositions[c.position];
}

Chart chartOf(Edition edition, int bigFrom, const std::vector<history::Draw>& newestFirst,
              int window) {
    Chart chart;
    chart.edition = edition;
    chart.blocks = blocksOf(edition);
    const int positions = edition == Edition::Any5 ? 1 : 3;
    for (int p = 0; p < positions; ++p) {
        for (int n = 1; n <= 11; ++n) chart.columns.push_back({-1, p, n});
    }
    std::vector<int> blockStart;
    for (std::size_t b = 0; b < chart.blocks.size(); ++b) {
        blockStart.push_back(chart.columnCount());
        const Block& block = chart.blocks[b];
        for (int v = block.first; v <= block.last; ++v)
            chart.columns.push_back({static_cast<int>(b), 0, v});
    }
    const int drawn = static_cast<int>(newestFirst.size());
    const int shown = window > 0 ? std::min(window, drawn) : drawn;
    const int start = drawn - shown;
    const auto columns = static_cast<std::size_t>(chart.columnCount());
    chart.storedDraws = drawn;
    chart.issues.reserve(static_cast<std::size_t>(shown));
    chart.numbers.reserve(static_cast<std::size_t>(shown));
    chart.cells.resize(static_cast<std::size_t>(shown) * columns);
    chart.stats.assign(columns, {});

    const engine::BetMask big = static_cast<engine::BetMask>(0x7FFu & ~((1u << (bigFrom - 1)) - 1));
    std::vector<int> lastHit(columns, -1);
    std::vector<int> run(columns, 0);
    std::vector<int> values;
    std::vector<int> hits;
    std::vector<char> isPlain(columns, 0);
    std::vector<char> isHit(columns, 0);
    for (std::size_t c = 0; c < columns; ++c) {
        const Column& column = chart.columns[c];
        isPlain[c] =
            !column.isGrid() && chart.blocks[static_cast<std::size_t>(column.block)].isPlain;
    }
    engine::BetMask previous = 0;
    for (int i = 0; i < drawn; ++i) {
        const history::Draw& draw = newestFirst[static_cast<std::size_t>(drawn - 1 - i)];
        const int balls = edition == Edition::Any5 ? 5 : 3;
        engine::BetMask mask = 0;
        hits.clear();
        for (int k = 0; k < balls; ++k) {
            const int n = draw.numbers[static_cast<std::size_t>(k)];
            mask = static_cast<engine::BetMask>(mask | engine::bitOf(n));
            if (edition == Edition::Any5 || k < 3)
                hits.push_back((edition == Edition::Any5 ? 0 : k * 11) + n - 1);
        }
        valuesOf(edition, mask, big, i > 0 ? &previous : nullptr, values);
        for (std::size_t b = 0; b < chart.blocks.size(); ++b) {
            const Block& block = chart.blocks[b];
            if (block.isPlain || values[b] == Chart::kNoValue) continue;
            hits.push_back(blockStart[b] + values[b] - block.first);
        }
        if (i >= start) {
            chart.issues.push_back(draw.issue);
            chart.numbers.push_back(draw.numbers);
            int* out = chart.cells.data() + static_cast<std::size_t>(i - start) * columns;
            for (const int h : hits) isHit[static_cast<std::size_t>(h)] = 1;
            // One pass: each cell, and the statistics it adds to.
            for (std::size_t c = 0; c < columns; ++c) {
                if (isPlain[c] != 0) continue;
                ColumnStats& s = chart.stats[c];
                if (isHit[c] != 0) {
                    out[c] = 0;
                    ++s.appearances;
                    s.maxRun = std::max(s.maxRun, ++run[c]);
                    continue;
                }
                run[c] = 0;
                const bool isOpen = lastHit[c] < 0;
                const int skip = isOpen ? i + 1 : i - lastHit[c];
                out[c] = isOpen ? -skip : skip;
                if (skip > s.maxSkip) {
                    s.maxSkip = skip;
                    s.isMaxSkipOpen = isOpen;
                } else if (skip == s.maxSkip && isOpen) {
                    s.isMaxSkipOpen = true;
                }
            }
            for (const int h : hits) isHit[static_cast<std::size_t>(h)] = 0;
            for (std::size_t b = 0; b < chart.blocks.size(); ++b) {
                if (chart.blocks[b].isPlain) out[blockStart[b]] = values[b];
            }
        }
        for (const int h : hits) lastHit[static_cast<std::size_t>(h)] = i;
        previous = mask;
    }
    if (shown > 0) {
        const int* newest = chart.cells.data() + static_cast<std::size_t>(shown - 1) * columns;
        for (std::size_t c = 0; c < columns; ++c) {
            if (isPlain[c] != 0) continue;
            ColumnStats& s = chart.stats[c];
            s.currentSkip = std::abs(newest[c]);
            s.isCurrentSkipOpen = newest[c] < 0;
            s.meanSkip = static_cast<double>(shown - s.appearances) / (s.appearances + 1);
        }
    }
    return chart;
}

std::string windowLine(const Chart& chart) {
    if (chart.issues.empty()) return "没有开奖历史";
    return "数据从 " + chart.issues.front() + " 期到 " + chart.issues.back() + " 期，共 " +
           std::to_string(chart.rowCount()) + " 期";
}

std::string statsCell(const Chart& chart, int statsRow, int column) {
    const Column& c = chart.columns[static_cast<std::size_t>(column)];
    if (!c.isGrid() && chart.blocks[static_cast<std::size_t>(c.block)].isPlain) return {};
    const ColumnStats& s = chart.stats[static_cast<std::size_t>(column)];
    switch (statsRow) {
        case 0:
            return std::to_string(s.appearances);
        case 1: {
            char text[32];
            std::snprintf(text, sizeof text, "%.1f", s.meanSkip);
            return text;
        }
        case 2:
            return (s.isMaxSkipOpen ? "≥" : "") + std::to_string(s.maxSkip);
        case 3:
            return std::to_string(s.maxRun);
        default:
            return (s.isCurrentSkipOpen ? "≥" : "") + std::to_string(s.currentSkip);
    }
}

std::string cellText(const Chart& chart, int row, int column) {
    const Column& c = chart.columns[static_cast<std::size_t>(column)];
    const int cell = chart.cell(row, column);
    if (!c.isGrid() && chart.blocks[static_cast<std::size_t>(c.block)].isPlain)
        return cell == Chart::kNoValue ? std::string() : std::to_string(cell);
    if (cell != 0) return skipText(cell);
    return c.isGrid() ? twoDigits(c.value) : std::to_string(c.value);
}

std::string statsText(const Chart& chart) {
    std::vector<std::vector<std::string>> lines;
    for (int s = 0; s < static_cast<int>(kStatsNames.size()); ++s) {
        std::vector<std::string> line{kStatsNames[static_cast<std::size_t>(s)]};
        for (int c = 0; c < chart.columnCount(); ++c) {
            const Column& column = chart.columns[static_cast<std::size_t>(c)];
            if (!column.isGrid() && chart.blocks[static_cast<std::size_t>(column.block)].isPlain)
                continue;
            line.push_back(statsCell(chart, s, c));
        }
        lines.push_back(std::move(line));
    }
    std::vector<bool> right(lines.front().size(), true);
    right[0] = false;
    return windowLine(chart) + "\n" + engine::alignedText(lines, right);
}

std::string chartCsv(const Chart& chart) {
    std::string csv = "期号,开奖号码";
    for (int c = 0; c < chart.columnCount(); ++c) {
        const std::string caption = chart.caption(c);
        const std::string group = chart.groupName(c);
        csv += "," + (caption == group ? group : group + caption);
    }
    csv += "\n";
    for (int r = 0; r < chart.rowCount(); ++r) {
        csv += chart.issues[static_cast<std::size_t>(r)] + "," +
               history::drawText(chart.numbers[static_cast<std::size_t>(r)]);
        for (int c = 0; c < chart.columnCount(); ++c) csv += "," + cellText(chart, r, c);
        csv += "\n";
    }
    for (int s = 0; s < static_cast<int>(kStatsNames.size()); ++s) {
        csv += std::string(kStatsNames[static_cast<std::size_t>(s)]) + ",";
        for (int c = 0; c < chart.columnCount(); ++c) csv += "," + statsCell(chart, s, c);
        csv += "\n";
    }
    return csv;
}

}  // namespace trend
