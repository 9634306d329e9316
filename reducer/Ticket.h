#pragma once

#include <array>
#include <compare>
#include <cstdint>
#include <string>
#include <vector>

#include "engine/BetMask.h"
#include "engine/Publication.h"

namespace reducer {

// One ticket of a play: its numbers 1..11 in position order for an ordered
// play (前一, 前二直选, 前三直选), ascending for the others. Tickets of one play
// sort as their texts do.
struct Ticket {
    std::array<std::uint8_t, 8> numbers{};
    std::uint8_t size = 0;

    auto operator<=>(const Ticket&) const = default;

    // The ticket holding the numbers of `mask`, ascending.
    static Ticket ofSet(engine::BetMask mask);
    // The ticket holding `numbers` in the order given.
    static Ticket ofOrder(std::initializer_list<int> numbers);
};

// The ticket as result text: two-digit tokens joined by `separator` (' ' or ',').
//   {3, 1} ordered, ' ' => "03 01"     {1, 2, 11}, ',' => "01,02,11"
std::string ticketText(const Ticket& ticket, char separator);

// One line per ticket, in the order given, joined by CR LF like a filter result.
engine::Publication publishTickets(const std::vector<Ticket>& tickets, char separator);

}  // namespace reducer
