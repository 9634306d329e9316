#pragma once

#include <cstddef>

namespace front3 {

// The fourteen conditions of a front-3 run, in the order the run applies them.
enum class Front3Slot : std::size_t {
    DirectKill,
    CompoundKill,
    PairKill,
    PairKeep,
    PathPattern,
    Span,
    KillNumber,
    BankerGroup,
    PositionalKill,
    Sum,
    Count,
    ConsecutiveShape,
    Pattern,
    PastCount,
};

inline constexpr std::size_t kFront3SlotCount = 14;

constexpr std::size_t slotIndex(Front3Slot slot) {
    return static_cast<std::size_t>(slot);
}

}  // namespace front3
