#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

#include "engine/BetMask.h"
#include "reducer/PlayTable.h"

namespace reducer {

// The first three balls of a front-3 bet, in drawing order.
using FirstThree = std::array<std::uint8_t, 3>;

// The bets left by a filter run: the player's belief that the next draw is
// one of them. A plain value; reduce() checks it.
struct Survivors {
    SurvivorKind kind = SurvivorKind::Any5;
    // Any-5 bets (five numbers each) or groups (three numbers each).
    std::vector<engine::BetMask> sets;
    // Front-3 bets; used only when kind is Front3.
    std::vector<FirstThree> ordered;

    static Survivors any5(std::vector<engine::BetMask> bets) {
        return {SurvivorKind::Any5, std::move(bets), {}};
    }
    static Survivors front3(std::vector<FirstThree> bets) {
        return {SurvivorKind::Front3, {}, std::move(bets)};
    }
    static Survivors groups(std::vector<engine::BetMask> groups) {
        return {SurvivorKind::Groups, std::move(groups), {}};
    }

    std::size_t size() const { return kind == SurvivorKind::Front3 ? ordered.size() : sets.size(); }
    // The numbers survivor i holds, as a set.
    engine::BetMask numbersOf(std::size_t i) const {
        if (kind != SurvivorKind::Front3) return sets[i];
        const auto& bet = ordered[i];
        return engine::maskOf(std::array{bet[0], bet[1], bet[2]});
    }
};

// The survivors a published result lists, one bet a line: any-5 five
// numbers, front-3 three in position order, groups three in any order. Lines
// that are no bet of the kind are left out.
Survivors survivorsOfText(std::string_view resultText, SurvivorKind kind);

}  // namespace reducer
