#pragma once

#include <algorithm>
#include <bit>
#include <string>
#include <vector>

#include "reducer/Reducer.h"

// The lottery's rules written apart from the reducer, to check its answers:
// which tickets a play has, and which win for a survivor.
namespace lotteryrules {

using reducer::Play;
using reducer::SurvivorKind;
using reducer::Survivors;
using reducer::Ticket;

// What a survivor says of the draw: five numbers ascending (any-5), the first
// three in order (front-3) or ascending (groups).
inline std::vector<int> drawOf(const Survivors& survivors, std::size_t i) {
    std::vector<int> numbers;
    if (survivors.kind == SurvivorKind::Front3) {
        for (int n : survivors.ordered[i]) numbers.push_back(n);
        return numbers;
    }
    for (int n = 1; n <= 11; ++n) {
        if (survivors.sets[i] & (1u << (n - 1))) numbers.push_back(n);
    }
    return numbers;
}

inline engine::BetMask maskOf(const int* begin, const int* end) {
    unsigned mask = 0;
    for (const int* n = begin; n != end; ++n) mask |= 1u << (*n - 1);
    return static_cast<engine::BetMask>(mask);
}

// Whether the ticket surely wins when the draw is `draw`. Only the drawn
// numbers a survivor knows count: a front-3 survivor knows three.
inline bool wins(Play play, const Ticket& ticket, const std::vector<int>& draw) {
    int numbers[8];
    std::copy(ticket.numbers.begin(), ticket.numbers.begin() + ticket.size, numbers);
    const auto mine = maskOf(numbers, numbers + ticket.size);
    const auto drawn = maskOf(draw.data(), draw.data() + draw.size());
    switch (play) {
        case Play::Front1:
        case Play::Front2Direct:
        case Play::Front3Direct:
            return std::equal(numbers, numbers + ticket.size, draw.begin());
        case Play::Front2Group:
            return mine == maskOf(draw.data(), draw.data() + 2);
        case Play::Front3Group:
            return mine == maskOf(draw.data(), draw.data() + 3);
        default:
            return ticket.size <= draw.size() ? (mine & drawn) == mine : (mine & drawn) == drawn;
    }
}

// Every ticket of a play: all sets of its size, or all arrangements for an
// ordered play.
inline std::vector<Ticket> allTickets(Play play) {
    const auto& info = reducer::playInfo(play);
    std::vector<Ticket> tickets;
    for (unsigned mask = 1; mask < 2048; ++mask) {
        if (std::popcount(mask) != info.ticketSize) continue;
        auto ticket = Ticket::ofSet(static_cast<engine::BetMask>(mask));
        if (!info.isOrdered) {
            tickets.push_back(ticket);
            continue;
        }
        do tickets.push_back(ticket);
        while (std::next_permutation(ticket.numbers.begin(), ticket.numbers.begin() + ticket.size));
    }
    std::sort(tickets.begin(), tickets.end());
    return tickets;
}

// How many of the tickets win for each survivor.
inline std::vector<int> winCounts(const Survivors& survivors, Play play,
                                  const std::vector<Ticket>& tickets) {
    std::vector<int> counts;
    for (std::size_t i = 0; i < survivors.size(); ++i) {
        const auto draw = drawOf(survivors, i);
        counts.push_back(static_cast<int>(std::count_if(
            tickets.begin(), tickets.end(), [&](const Ticket& t) { return wins(play, t, draw); })));
    }
    return counts;
}

// What is wrong with a reduction's tickets: one that is not a ticket of the
// play, one out of order or listed twice, or the first survivor none wins
// for; "" when nothing is.
inline std::string guaranteeFault(const Survivors& survivors, Play play,
                                  const std::vector<Ticket>& tickets) {
    const auto valid = allTickets(play);
    for (std::size_t i = 0; i < tickets.size(); ++i) {
        if (!std::binary_search(valid.begin(), valid.end(), tickets[i]))
            return "ticket " + std::to_string(i) + " is not a ticket of the play";
        if (i > 0 && !(tickets[i - 1] < tickets[i])) return "tickets out of order or repeated";
    }
    const auto counts = winCounts(survivors, play, tickets);
    const auto open = std::find(counts.begin(), counts.end(), 0);
    if (open != counts.end())
        return "no ticket wins for survivor " + std::to_string(open - counts.begin());
    return {};
}

}  // namespace lotteryrules
