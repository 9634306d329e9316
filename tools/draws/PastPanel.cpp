#include "tools/draws/PastPanel.h"

#include <utility>

#include "engine/Selection.h"
#include "engine/TypedBet.h"
#include "toolkit/Host.h"
#include "toolkit/ToggleRule.h"

namespace draws {
namespace {

int betSizeOf(Edition::Kind kind) {
    return kind == Edition::Kind::Any5 ? 5 : 3;
}

std::string trimmed(const std::string& text) {
    const auto first = text.find_first_not_of(" \t\r\n");
    if (first == std::string::npos) return {};
    return text.substr(first, text.find_last_not_of(" \t\r\n") - first + 1);
}

}  // namespace

PastPanel::PastPanel(Edition::Kind kind, toolkit::Host& host)
    : C_chonghao("C_chonghao", toolkit::plainCaptions(0, betSizeOf(kind))),
      C_linhao("C_linhao", toolkit::plainCaptions(0, betSizeOf(kind))),
      C_guhao("C_guhao", toolkit::plainCaptions(0, betSizeOf(kind))),
      C_rehao("C_rehao", toolkit::plainCaptions(0, betSizeOf(kind))),
      C_wenhao("C_wenhao", toolkit::plainCaptions(0, betSizeOf(kind))),
      C_lenghao("C_lenghao", toolkit::plainCaptions(0, betSizeOf(kind))),
      m_kind(kind) {
    for (const Row r : kRows) {
        auto* array = &row(r);
        array->setClickHandler(
            [array](std::size_t i) { toolkit::toggle((*array)[i], toolkit::palette::kGreen); });
    }
    const engine::HeatRule start =
        kind == Edition::Kind::Any5 ? engine::kAny5HeatRule : engine::kFront3HeatRule;
    N_re_qishu.setValue(start.draws);
    N_re_re.setValue(start.hot);
    N_re_leng.setValue(start.cold);
    for (auto* box : {&N_re_qishu, &N_re_re, &N_re_leng})
        box->setChangeHandler([this] { refresh(); });
    T_shangqi.setChangeHandler([this] { refresh(); });
    C_shuoming.setClickHandler([this, &host] { host.showMessage(help(m_kind), kHelpTitle); });
    refresh();
}

toolkit::ButtonArray& PastPanel::row(Row row) {
    return const_cast<toolkit::ButtonArray&>(std::as_const(*this).row(row));
}

const toolkit::ButtonArray& PastPanel::row(Row row) const {
    switch (row) {
        case Row::Repeat:
            return C_chonghao;
        case Row::Neighbour:
            return C_linhao;
        case Row::Isolated:
            return C_guhao;
        case Row::Hot:
            return C_rehao;
        case Row::Warm:
            return C_wenhao;
        case Row::Cold:
            break;
    }
    return C_lenghao;
}

const char* PastPanel::rowName(Row row) {
    switch (row) {
        case Row::Repeat:
            return "重号个数";
        case Row::Neighbour:
            return "邻号个数";
        case Row::Isolated:
            return "孤号个数";
        case Row::Hot:
            return "热号个数";
        case Row::Warm:
            return "温号个数";
        case Row::Cold:
            break;
    }
    return "冷号个数";
}

std::string PastPanel::help(Edition::Kind kind) {
    const bool any5 = kind == Edition::Kind::Any5;
    const engine::HeatRule start = any5 ? engine::kAny5HeatRule : engine::kFront3HeatRule;
    std::string text =
        "这一页的条件都拿下一期和它之前的开奖号比：下一期的之前，是“开奖历史”里所选彩种存下的全部开"
        "奖号；"
        "回测时，每一期只和它自己之前存下的开奖号比，从不看它本期和以后的开奖号。\r\n"
        "上期：之前开奖号里最新的一期（按期号排，不是期号减 1）。";
    text += any5 ? "比的是上期的 5 个号码。\r\n" : "比的是上期的前三个号码（不分位置）。\r\n";
    text += std::string("重号个数：一注里上期也开出的号码个数。\r\n") +
            "邻号个数：一注里不是重号、但和上期某个号码差 1 的号码个数（01 和 11 不相邻）。\r\n" +
            "孤号个数：既不是重号也不是邻号的号码个数；重号 + 邻号 + 孤号 = " + (any5 ? "5" : "3") +
            "。\r\n" + "热号、温号、冷号：看最近 W 期，一个号码" +
            (any5 ? "开出" : "在前三位开出") +
            "的期数达到 H 次为热号，不超过 C 次为冷号，其余为温号；默认 W = " +
            std::to_string(start.draws) + "，H = " + std::to_string(start.hot) +
            "，C = " + std::to_string(start.cold) +
            "。热号个数、温号个数、冷号个数：一注里各类号码的个数。\r\n";
    if (any5) {
        text +=
            "AC值：一注 5 个号码两两之差有几种不同的值，减 4（01 02 03 04 05 为 0）。\r\n"
            "0路 03 06 09，1路 01 04 07 10，2路 02 05 08 11；0路个数等为一注里各路号码的个数。\r\n";
    }
    text +=
        "没有开奖历史时，可在“上期号码”里输入上期，它只用于重号、邻号、孤号；热温冷要 W "
        "期开奖历史。"
        "缺少开奖历史的条件不能点，方案里设了也不应用。";
    return text;
}

void PastPanel::setStored(std::string lottery, const std::vector<history::Draw>& newestFirst) {
    m_stored = referenceOf(m_kind, std::move(lottery), newestFirst);
    refresh();
}

engine::HeatRule PastPanel::rule() const {
    return {N_re_qishu.value(), N_re_re.value(), N_re_leng.value()};
}

void PastPanel::setRule(const engine::HeatRule& rule) {
    N_re_qishu.setValue(rule.draws);
    N_re_re.setValue(rule.hot);
    N_re_leng.setValue(rule.cold);
    refresh();
}

std::optional<engine::BetMask> PastPanel::maskFor(Row row,
                                                  std::span<const engine::BetMask> newestFirst,
                                                  const engine::HeatRule& rule) {
    if (readsClasses(row)) {
        if (!rule.isValid()) return std::nullopt;
        const auto classes = engine::heatClasses(newestFirst, rule);
        if (!classes) return std::nullopt;
        return row == Row::Hot ? classes->hot : row == Row::Warm ? classes->warm : classes->cold;
    }
    if (newestFirst.empty()) return std::nullopt;
    const engine::BetMask previous = newestFirst.front();
    const engine::BetMask neighbours = engine::neighboursOf(previous);
    if (row == Row::Repeat) return previous;
    if (row == Row::Neighbour) return neighbours;
    return static_cast<engine::BetMask>(0x7FFu & ~static_cast<unsigned>(previous | neighbours));
}

std::optional<engine::BetMask> PastPanel::maskNow(Row row) const {
    if (readsClasses(row)) return maskFor(row, m_stored.newestFirst, rule());
    if (!m_typedError.empty()) return std::nullopt;
    return maskFor(row, previousSource().newestFirst, rule());
}

std::string PastPanel::missing(Row row) const {
    if (maskNow(row)) return {};
    if (readsClasses(row)) {
        if (!rule().isValid()) return "热温冷的设置不对：应 0 ≤ C < H ≤ W";
        return "缺少开奖历史：" + heatLine(m_stored, rule());
    }
    if (!m_typedError.empty()) return "上期号码不对：" + m_typedError;
    return "缺少开奖历史：没有上期开奖号";
}

bool PastPanel::hasUnreadRow() const {
    for (const Row r : kRows) {
        if (row(r).countWithColour(toolkit::palette::kGreen) > 0 && !maskNow(r)) return true;
    }
    return false;
}

engine::PastCount PastPanel::pastCount(Row r) const {
    return {engine::selectedValues(row(r), toolkit::palette::kGreen), betSizeOf(m_kind),
            [r, rule = rule()](std::span<const engine::BetMask> newestFirst) {
                return maskFor(r, newestFirst, rule);
            }};
}

void PastPanel::refresh() {
    ++m_revision;
    m_typed.reset();
    m_typedError.clear();
    const std::string typed = trimmed(T_shangqi.text());
    if (!typed.empty()) {
        engine::TypedBet bet = engine::readTypedBet(typed, betSizeOf(m_kind));
        if (!bet.ok() && m_kind == Edition::Kind::Front3) {
            engine::TypedBet five = engine::readTypedBet(typed, 5);
            if (five.ok()) bet = std::move(five);
        }
        if (bet.ok()) {
            std::array<int, 5> numbers{};
            for (std::size_t k = 0; k < bet.numbers.size() && k < numbers.size(); ++k)
                numbers[k] = bet.numbers[k];
            m_typed = typedReference(m_kind, numbers);
        } else {
            m_typedError = bet.error;
        }
    }
    L_shangqi.setCaption(m_typedError.empty() ? previousLine(previousSource())
                                              : "上期号码不对：" + m_typedError);
    L_rewenleng.setCaption(rule().isValid() ? heatLine(m_stored, rule())
                                            : "热温冷的设置不对：应 0 ≤ C < H ≤ W");
    for (const Row r : kRows) {
        const bool canRead = maskNow(r).has_value();
        auto& buttons = row(r);
        for (std::size_t i = 0; i < buttons.size(); ++i) buttons[i].setEnabled(canRead);
    }
}

}  // namespace draws
