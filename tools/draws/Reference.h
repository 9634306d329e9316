#pragma once

#include <array>
#include <string>
#include <vector>

#include "engine/BetMask.h"
#include "engine/PastRelative.h"
#include "history/Draw.h"
#include "tools/draws/Edition.h"

namespace draws {

// The draws before the one bet on, as the history-relative conditions read
// them: each draw's numbers as a mask (any-5 its five, front-3 its first
// three), newest first, with the previous draw as drawn. A previous draw
// typed by hand stands alone: it serves 重号, 邻号 and 孤号, never the classes.
struct Reference {
    std::string lottery;
    std::string previousIssue;      // empty when typed or absent
    std::array<int, 5> previous{};  // in drawing order; front-3: the last two 0
    std::vector<engine::BetMask> newestFirst;
    bool isTyped = false;

    bool hasPrevious() const { return !newestFirst.empty(); }
};

// A draw's numbers as the history-relative conditions read them: any-5 its
// five, front-3 its first three.
engine::BetMask drawMask(Edition::Kind kind, const std::array<int, 5>& numbers);

// The reference of the draw after `newestFirst`, the lottery's stored draws.
Reference referenceOf(Edition::Kind kind, std::string lottery,
                      const std::vector<history::Draw>& newestFirst);
// A previous draw typed by hand: five numbers, or front-3 three (the rest 0).
Reference typedReference(Edition::Kind kind, const std::array<int, 5>& previous);

// "上期：03 07 01 11 05（广东11选5 第 2026120942 期）", "上期：03 07 01（手工输入）",
// or without one "上期：没有开奖历史，可在“上期号码”里输入".
std::string previousLine(const Reference& reference);
// "热 02 05 07 | 温 01 03 04 06 | 冷 08 09 10 11", or while fewer draws are
// kept than the rule reads "热温冷要 10 期开奖历史，现有 3 期".
std::string heatLine(const Reference& reference, const engine::HeatRule& rule);

}  // namespace draws
