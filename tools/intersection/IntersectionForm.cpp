#include "tools/intersection/IntersectionForm.h"

#include <bitset>
#include <string>

#include "engine/ResultCopy.h"
#include "engine/SpelledBets.h"
#include "engine/TableGuard.h"
#include "toolkit/Host.h"
#include "toolkit/LineBreaks.h"
#include "tools/intersection/BetTextNormaliser.h"

namespace intersection {
namespace {

// Room for every key of either edition: five ascending numbers as a mask, or
// three ordered numbers as a*144 + b*12 + c.
using Keys = std::bitset<2048>;

int keyOf(const int* numbers, bool front3) {
    if (front3) return (numbers[0] * 12 + numbers[1]) * 12 + numbers[2];
    int mask = 0;
    for (int k = 0; k < 5; ++k) mask |= 1 << (numbers[k] - 1);
    return mask;
}

// Every key text that occurs in the list, found in one pass over it.
Keys keysIn(const std::string& list, bool front3, char separator) {
    Keys keys;
    if (front3) {
        engine::forEachSpelledBet<3>(list, ' ', [&](const std::array<int, 3>& n) {
            if (n[0] != n[1] && n[1] != n[2] && n[0] != n[2]) keys.set(keyOf(n.data(), true));
        });
    } else {
        engine::forEachSpelledBet<5>(list, separator, [&](const std::array<int, 5>& n) {
            for (int k = 1; k < 5; ++k) {
                if (n[k] <= n[k - 1]) return;  // key texts are ascending
            }
            keys.set(keyOf(n.data(), false));
        });
    }
    return keys;
}

bool survives(std::size_t operation, bool inA, bool inB) {
    switch (operation) {
        case 0:
            return inA && inB;
        case 1:
            return inA || inB;
        case 2:
            return inA && !inB;
        default:
            return inB && !inA;
    }
}

}  // namespace

IntersectionForm::IntersectionForm(Universe universe, engine::TableGuard& guard,
                                   toolkit::Host& host)
    : Window("交集工具"),
      Check_out_douhao(universe.edition == Universe::Edition::Front3
                           ? "号码间逗号隔开"
                           : "号码间逗号隔开(不打勾为默认空格)"),
      m_universe(std::move(universe)),
      m_guard(guard),
      m_host(host) {
    T_dd_jiaoji[2].setReadOnly(true);
    T_jiaoji_zhushu.setReadOnly(true);
    Fjindu.setVisible(false);
    if (isFront3()) Text1.setText(kFront3Tip);
    Text1.setReadOnly(true);
    C_jiaoji_xuanzhe.setClickHandler(
        [this](std::size_t i) { m_guard.runExclusive([this, i] { operate(i); }); });
    C_jiaoji_cls.setClickHandler([this](std::size_t i) {
        if (i < 2) T_dd_jiaoji[i].setText({});
        if (i == 2) engine::copyResult(T_dd_jiaoji[2].text(), m_host);
    });
}

const char* IntersectionForm::listLabel(int list) const {
    if (isFront3()) return list == 0 ? "前三大地A" : "前三大地B";
    return list == 0 ? "任5大地A" : "任5大地B";
}

void IntersectionForm::operate(std::size_t operation) {
    const bool front3 = isFront3();
    if (front3) Fjindu.setVisible(true);
    m_universe.generate([this] { m_host.yield(); });
    m_host.yield();
    if (front3) {
        T_dd_jiaoji[0].setText(normaliseBetText(T_dd_jiaoji[0].text()));
        T_dd_jiaoji[1].setText(normaliseBetText(T_dd_jiaoji[1].text()));
    }
    const Keys inA = keysIn(T_dd_jiaoji[0].text(), front3, separator());
    const Keys inB = keysIn(T_dd_jiaoji[1].text(), front3, separator());
    int numbers[5] = {};
    for (int row = 1; row <= m_universe.rowCount; ++row) {
        m_universe.numbers(row, numbers);
        const int key = keyOf(numbers, front3);
        if (!survives(operation, inA[key], inB[key])) m_universe.kill(row);
    }
    m_host.yield();
    publish();
    if (front3) Fjindu.setVisible(false);
}

// Each surviving bet as a line ending in CR LF, numbers joined by this
// window's separator.
void IntersectionForm::publish() {
    const int count = isFront3() ? 3 : 5;
    std::string text;
    int survivors = 0;
    int numbers[5] = {};
    for (int row = 1; row <= m_universe.rowCount; ++row) {
        if (m_universe.isKilled(row)) continue;
        m_universe.numbers(row, numbers);
        for (int k = 0; k < count; ++k) {
            if (k > 0) text += separator();
            text += static_cast<char>('0' + numbers[k] / 10);
            text += static_cast<char>('0' + numbers[k] % 10);
        }
        text += "\r\n";
        ++survivors;
    }
    T_dd_jiaoji[2].setText(std::string(toolkit::trimSpaces(text)));
    T_jiaoji_zhushu.setText(std::to_string(survivors));
}

}  // namespace intersection
