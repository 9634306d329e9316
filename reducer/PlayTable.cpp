#include "reducer/PlayTable.h"

#include <algorithm>
#include <array>

#include "engine/Money.h"

namespace reducer {

namespace {

constexpr std::array<PlayInfo, 12> kPlays{{
    {Play::Any2, "任选二", 6, 2, false},
    {Play::Any3, "任选三", 19, 3, false},
    {Play::Any4, "任选四", 78, 4, false},
    {Play::Any5, "任选五", engine::kAny5Prize, 5, false},
    {Play::Any6, "任选六", 90, 6, false},
    {Play::Any7, "任选七", 26, 7, false},
    {Play::Any8, "任选八", 9, 8, false},
    {Play::Front1, "前一", 13, 1, true},
    {Play::Front2Direct, "前二直选", 130, 2, true},
    {Play::Front2Group, "前二组选", 65, 2, false},
    {Play::Front3Direct, "前三直选", engine::kFront3DirectPrize, 3, true},
    {Play::Front3Group, "前三组选", engine::kFront3GroupPrize, 3, false},
}};

constexpr std::array<PlayInfo, 6> kFront3Plays{
    {kPlays[7], kPlays[8], kPlays[9], kPlays[10], kPlays[11], kPlays[0]}};
constexpr std::array<PlayInfo, 2> kGroupPlays{{kPlays[11], kPlays[0]}};

}  // namespace

std::span<const PlayInfo> playsFor(SurvivorKind kind) {
    switch (kind) {
        case SurvivorKind::Any5:
            return std::span(kPlays).first(7);
        case SurvivorKind::Front3:
            return kFront3Plays;
        case SurvivorKind::Groups:
            return kGroupPlays;
    }
    return {};
}

const PlayInfo& playInfo(Play play) {
    return kPlays[static_cast<std::size_t>(play)];
}

std::span<const PlayInfo> allPlays() {
    return kPlays;
}

std::optional<Play> playNamed(std::string_view name) {
    for (const auto& info : kPlays) {
        if (info.name == name) return info.play;
    }
    return std::nullopt;
}

bool isOpenTo(Play play, SurvivorKind kind) {
    const auto plays = playsFor(kind);
    return std::any_of(plays.begin(), plays.end(),
                       [play](const PlayInfo& info) { return info.play == play; });
}

std::string_view resultName(SurvivorKind kind) {
    switch (kind) {
        case SurvivorKind::Any5:
            return "任选五结果";
        case SurvivorKind::Front3:
            return "前三结果";
        case SurvivorKind::Groups:
            return "组选结果";
    }
    return {};
}

}  // namespace reducer
