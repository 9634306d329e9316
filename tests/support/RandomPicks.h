#pragma once

#include <algorithm>
#include <cstddef>
#include <deque>
#include <random>
#include <string>

#include "toolkit/ButtonArray.h"
#include "toolkit/CheckBox.h"

// Random selections for the reference checks of the button stages: which
// buttons or boxes a case selects, shown on a panel by colour or clicked.
namespace testsupport {

// The buttons of an array one case selects, by index.
struct Pick {
    std::size_t size = 0;
    bool on[64] = {};
    bool any = false;

    void set(std::size_t i, bool value) {
        on[i] = value;
        any = std::find(on, on + size, true) != on + size;
    }
};

inline Pick everything(std::size_t size) {
    Pick pick{size};
    std::fill(pick.on, pick.on + size, true);
    pick.any = size > 0;
    return pick;
}

// None, all, one, a few, or each with a chance drawn for the case.
inline Pick randomPick(std::mt19937& random, std::size_t size) {
    const auto style = random() % 8;
    std::bernoulli_distribution chosen(std::uniform_real_distribution<double>(0, 1)(random));
    Pick pick{size};
    for (std::size_t i = 0; i < size; ++i)
        pick.on[i] = style == 1 || (style >= 4 && chosen(random));
    if (style == 2) pick.on[random() % size] = true;
    for (auto n = style == 3 ? random() % 4 + 1 : 0; n > 0; --n) pick.on[random() % size] = true;
    pick.any = std::find(pick.on, pick.on + size, true) != pick.on + size;
    return pick;
}

// The pick whose button i is on when bit i of `bits` is set.
inline Pick pickOfBits(unsigned long bits, std::size_t size) {
    Pick pick{size};
    for (std::size_t i = 0; i < size; ++i) pick.on[i] = ((bits >> i) & 1u) != 0;
    pick.any = (bits & ((1ul << size) - 1)) != 0;
    return pick;
}

// Whether `buttons` buttons have no more than `cases` selections: then each
// selection gets one case, which says more than as many random ones.
inline bool isExhaustive(std::size_t buttons, int cases) {
    return buttons < 20 && (1 << buttons) <= cases;
}
inline int caseCount(std::size_t buttons, int cases) {
    return isExhaustive(buttons, cases) ? 1 << buttons : cases;
}

// The selection of case `round`: every selection in turn when there are no
// more than `cases`, otherwise (and for the clicked runs after them) random.
inline Pick pickForCase(std::mt19937& random, std::size_t size, int round, int cases) {
    if (isExhaustive(size, cases) && round < (1 << size))
        return pickOfBits(static_cast<unsigned long>(round), size);
    return randomPick(random, size);
}

// Shows a pick on an array. A button not picked is now and then left in the
// other selected colour or a plain grey: it still is not selected.
inline void paint(toolkit::ButtonArray& array, const Pick& pick, toolkit::Rgb selected,
                  std::mt19937& random) {
    using namespace toolkit::palette;
    const toolkit::Rgb others[] = {selected == kYellow ? kGreen : kYellow, kTabGrey};
    for (std::size_t i = 0; i < array.size(); ++i) {
        const bool otherColour = random() % 8 == 0;
        array[i].setBackColour(pick.on[i] ? selected : otherColour ? others[random() % 2] : kCream);
    }
}

// Presses each picked button once, as a player would.
inline void pressPicked(toolkit::ButtonArray& array, const Pick& pick) {
    for (std::size_t i = 0; i < array.size(); ++i) {
        if (pick.on[i]) array.press(i);
    }
}

// Ticks exactly the picked boxes.
inline void tickPicked(std::deque<toolkit::CheckBox>& boxes, const Pick& pick) {
    for (std::size_t i = 0; i < boxes.size(); ++i) boxes[i].setTicked(pick.on[i]);
}

// "C_min: 01 03 ", for the message of a failed case.
inline std::string captionsIn(const toolkit::ButtonArray& array, toolkit::Rgb selected) {
    std::string text = array.name() + ":";
    for (std::size_t i = 0; i < array.size(); ++i) {
        if (array[i].backColour() == selected) text += " " + array[i].caption();
    }
    return text + " ";
}

}  // namespace testsupport
