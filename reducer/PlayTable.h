#pragma once

#include <optional>
#include <span>
#include <string_view>

namespace reducer {

// What the survivors of a filter run are: any-5 bets (five numbers), front-3
// bets (the first three balls in order) or groups (the first three as a set,
// after "转为组选").
enum class SurvivorKind { Any5, Front3, Groups };

// The plays a reduction can buy tickets for. Any2 with front-3 survivors or
// groups counts a 2-set inside the first three, the only win the survivor
// guarantees.
enum class Play {
    Any2,
    Any3,
    Any4,
    Any5,
    Any6,
    Any7,
    Any8,
    Front1,
    Front2Direct,
    Front2Group,
    Front3Direct,
    Front3Group,
};

// One play as the player knows it. A ticket of the play holds `ticketSize`
// numbers, in position order when `isOrdered`, ascending otherwise.
struct PlayInfo {
    Play play = Play::Any5;
    std::string_view name;
    int prize = 0;  // 元 for one winning ticket of 2 元
    int ticketSize = 0;
    bool isOrdered = false;
};

// The plays open to a kind of survivors, in the order a window lists them:
//   Any5   => 任选二 任选三 任选四 任选五 任选六 任选七 任选八
//   Front3 => 前一 前二直选 前二组选 前三直选 前三组选 任选二
//   Groups => 前三组选 任选二
std::span<const PlayInfo> playsFor(SurvivorKind kind);

const PlayInfo& playInfo(Play play);

bool isOpenTo(Play play, SurvivorKind kind);

// Every play, in Play order.
std::span<const PlayInfo> allPlays();
// The play a player names ("任选六"), or none.
std::optional<Play> playNamed(std::string_view name);

// How messages name a kind of survivors: "任选五结果", "前三结果", "组选结果".
std::string_view resultName(SurvivorKind kind);

}  // namespace reducer
