#include "reducer/Survivors.h"

#include "engine/PrizeCheck.h"

namespace reducer {

Survivors survivorsOfText(std::string_view resultText, SurvivorKind kind) {
    const int count = kind == SurvivorKind::Any5 ? 5 : 3;
    Survivors survivors{kind, {}, {}};
    for (const auto& bet : engine::betsOfText(resultText, count)) {
        if (kind == SurvivorKind::Front3) {
            survivors.ordered.push_back({static_cast<std::uint8_t>(bet[0]),
                                         static_cast<std::uint8_t>(bet[1]),
                                         static_cast<std::uint8_t>(bet[2])});
            continue;
        }
        survivors.sets.push_back(engine::maskOf(bet));
    }
    return survivors;
}

}  // namespace reducer
