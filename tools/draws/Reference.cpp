#include "tools/draws/Reference.h"

#include <span>
#include <utility>

#include "engine/ConditionText.h"
#include "engine/TypedBet.h"

namespace draws {
namespace {

// In drawing order, up to the first 0.
std::string spelled(const std::array<int, 5>& numbers) {
    std::string text;
    for (const int n : numbers) {
        if (n == 0) break;
        text += (text.empty() ? "" : " ") + engine::twoDigits(n);
    }
    return text;
}

std::string numbersOf(engine::BetMask mask) {
    return mask == 0 ? "无" : engine::numbersText(mask);
}

}  // namespace

engine::BetMask drawMask(Edition::Kind kind, const std::array<int, 5>& numbers) {
    return engine::maskOf(std::span(numbers).first(kind == Edition::Kind::Any5 ? 5 : 3));
}

Reference referenceOf(Edition::Kind kind, std::string lottery,
                      const std::vector<history::Draw>& newestFirst) {
    Reference reference;
    reference.lottery = std::move(lottery);
    reference.newestFirst.reserve(newestFirst.size());
    for (const auto& draw : newestFirst)
        reference.newestFirst.push_back(drawMask(kind, draw.numbers));
    if (!newestFirst.empty()) {
        reference.previousIssue = newestFirst.front().issue;
        reference.previous = newestFirst.front().numbers;
        if (kind == Edition::Kind::Front3) reference.previous[3] = reference.previous[4] = 0;
    }
    return reference;
}

Reference typedReference(Edition::Kind kind, const std::array<int, 5>& previous) {
    Reference reference;
    reference.previous = previous;
    if (kind == Edition::Kind::Front3) reference.previous[3] = reference.previous[4] = 0;
    reference.newestFirst.push_back(drawMask(kind, previous));
    reference.isTyped = true;
    return reference;
}

std::string previousLine(const Reference& reference) {
    if (!reference.hasPrevious()) return "上期：没有开奖历史，可在“上期号码”里输入";
    const std::string numbers = "上期：" + spelled(reference.previous);
    if (reference.isTyped) return numbers + "（手工输入）";
    return numbers + "（" + reference.lottery + " 第 " + reference.previousIssue + " 期）";
}

std::string heatLine(const Reference& reference, const engine::HeatRule& rule) {
    const auto classes =
        reference.isTyped ? std::nullopt : engine::heatClasses(reference.newestFirst, rule);
    if (!classes) {
        return "热温冷要 " + std::to_string(rule.draws) + " 期开奖历史，现有 " +
               std::to_string(reference.isTyped ? 0 : reference.newestFirst.size()) + " 期";
    }
    return "热 " + numbersOf(classes->hot) + " | 温 " + numbersOf(classes->warm) + " | 冷 " +
           numbersOf(classes->cold);
}

}  // namespace draws
