#pragma once

#include <cstddef>

namespace engine {

// The twenty conditions of an any-5 run, in the order the run applies them.
enum class Any5Slot : std::size_t {
    CompoundKill,
    PositionalKill,
    PairKill,
    PairKeep,
    TripleKill,
    TripleKeep,
    SumTail,
    Sum,
    Span,
    BankerGroup,
    MinMax,
    Spacing,
    KillAll,
    QuadKill,
    BasePool,
    Count,
    Consecutive,
    ParityPattern,
    PastCount,
    AcRoad,
};

inline constexpr std::size_t kAny5SlotCount = 20;

constexpr std::size_t slotIndex(Any5Slot slot) {
    return static_cast<std::size_t>(slot);
}

}  // namespace engine
